#pragma once
// The layouts of the main window's grids: columns, fixed columns, row
// heights, header texts, selection and font. Cells stay empty until a day
// is loaded and a race chosen.

#include <QFont>
#include <vector>

#include "text/sjis.h"

namespace vantor {

namespace ui {
class TStringGrid;
}

struct GridSetup {
    std::vector<int> colWidths;       // one per column
    std::vector<SjisString> headers;  // row 0
    int fixedCols = 0;
    int rowHeight = 0;     // every row
    int headerHeight = 0;  // row 0
    QFont font;
};

GridSetup cardCheckGridSetup();    // StringGrid2, "出馬表ﾁｪｯｸ"
GridSetup raceCardGridSetup();     // StringGrid4, "出馬表"
GridSetup trainerGridSetup();      // StringGrid5, "調教師"
GridSetup signCheckGridSetup();    // StringGrid1, "暗号ﾁｪｯｸ"
GridSetup horseSearchGridSetup();  // StringGrid3, "競走馬検索"
GridSetup searchListGridSetup();   // StringGrid7, "検索ﾘｽﾄ"
GridSetup winPlaceGridSetup();     // WinPlaceGrid, "単勝・複勝"
// The bracket quinella (8) and quinella (18) matrices: a header row and
// column of the numbers.
GridSetup oddsMatrixGridSetup(int size);
// The quinella-place, exacta, trio and trifecta lists: 人気, 組番, オッズ.
GridSetup comboListGridSetup();

// Applies the setup to an empty grid: header row and one empty row. Every
// grid selects whole rows and empties its selection on mouse release, so no
// row stays highlighted.
void applyGridSetup(ui::TStringGrid& grid, const GridSetup& setup);

}  // namespace vantor
