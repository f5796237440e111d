#pragma once
// Writing rows of Shift-JIS texts into a grid below its header row.

#include "analysis/clipboard_text.h"
#include "components/string_grid.h"

namespace vantor {

// Empties every cell below the header row.
inline void clearRows(ui::TStringGrid& grid) {
    for (int r = 1; r < grid.rowCount(); ++r)
        for (int c = 0; c < grid.colCount(); ++c) grid.setCell(c, r, {});
}

// Empties the rows and sizes the grid for `rows` rows under the header.
inline void resetRows(ui::TStringGrid& grid, int rows) {
    clearRows(grid);
    grid.setRowCount(rows + 1);
}

// Empties the rows and writes the rows of cells below the header row, the
// grid sized to them.
inline void fillRows(ui::TStringGrid& grid, const GridCells& cells) {
    resetRows(grid, cells.rowCount - 1);
    for (int r = 1; r < cells.rowCount; ++r)
        for (int c = 0; c < cells.colCount; ++c) grid.setCell(c, r, cells.cell(c, r));
}

}  // namespace vantor
