#pragma once
// The text a grid's copy button puts on the clipboard: a title line, then
// the cells of each row from first to last, separated by TAB, each row
// ending in CR LF. Cell texts are copied as they are, TABs and line ends
// included.

#include <functional>

#include "text/sjis.h"

namespace vantor {

struct GridCells {
    int colCount = 0;
    int rowCount = 0;
    std::function<SjisString(int col, int row)> cell;
};

// Bounds outside the grid give the empty text; bounds partly outside are
// brought inside.
SjisString clipboardText(const GridCells& grid, int firstCol, int firstRow, SjisView title, int lastRow, int lastCol);

// The whole grid, header row included, as every copy button copies it.
inline SjisString clipboardText(const GridCells& grid, SjisView title) {
    return clipboardText(grid, 0, 0, title, grid.rowCount - 1, grid.colCount - 1);
}

}  // namespace vantor
