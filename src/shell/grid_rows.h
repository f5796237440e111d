#pragma once
// Writing rows of Shift-JIS texts into a grid below its header row.

#include <cstddef>

#include "components/string_grid.h"
#include "text/qt_text.h"

namespace vantor {

// Empties every cell below the header row.
inline void clearRows(ui::TStringGrid& grid) {
    for (int r = 1; r < grid.rowCount(); ++r)
        for (int c = 0; c < grid.colCount(); ++c) grid.setCell(c, r, QString());
}

// Empties the rows and sizes the grid for `rows` rows under the header.
inline void resetRows(ui::TStringGrid& grid, int rows) {
    clearRows(grid);
    grid.setRowCount(rows + 1);
}

// Row r of rows becomes grid row r + 1, its texts from column firstCol on.
template <class Rows>
void fillRows(ui::TStringGrid& grid, const Rows& rows, int firstCol) {
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            grid.setCell(firstCol + static_cast<int>(c), static_cast<int>(r) + 1, toQString(rows[r][c]));
}

}  // namespace vantor
