#pragma once
// The one-line runner lists drawn from their cell texts: the number-sign
// grid (StringGrid1), the horse search (StringGrid3) and the search list
// (StringGrid7). The header row is silver; each data column has its own
// fill; text is in the grid's font, centred unless the column is
// left-aligned.

#include <vector>

#include "painting/card_style.h"
#include "painting/view_colours.h"

namespace vantor::views {

enum class ListFill { info, bracket, lightCyan, white, lightGreen };

struct ListColumn {
    ListFill fill = ListFill::white;
    bool leftAligned = false;
};
using ListGridStyle = std::vector<ListColumn>;

const ListGridStyle& signGridStyle();         // StringGrid1
const ListGridStyle& horseSearchGridStyle();  // StringGrid3
const ListGridStyle& searchListGridStyle();   // StringGrid7

// Cell (col, row) holding text. A bracket column whose number is not 1 to 8
// keeps the grid's own fill.
draw::Ops listGridCell(const ListGridStyle& style, int col, int row, SjisView text, const card::CellBox& box,
                       const draw::Font& gridFont, const ViewColours& colours);

}  // namespace vantor::views
