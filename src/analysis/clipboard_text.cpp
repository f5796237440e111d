#include "analysis/clipboard_text.h"

#include <algorithm>

namespace vantor {

SjisString clipboardText(const GridCells& grid, int firstCol, int firstRow, SjisView title, int lastRow, int lastCol) {
    if (lastCol < firstCol || lastRow < firstRow || lastCol < 0 || lastRow < 0 || firstCol >= grid.colCount ||
        firstRow >= grid.rowCount)
        return {};
    firstCol = std::max(firstCol, 0);
    firstRow = std::max(firstRow, 0);
    lastCol = std::min(lastCol, grid.colCount - 1);
    lastRow = std::min(lastRow, grid.rowCount - 1);

    SjisString text(title);
    text += "\r\n";
    for (int r = firstRow; r <= lastRow; ++r) {
        for (int c = firstCol; c < lastCol; ++c) {
            text += grid.cell(c, r);
            text += '\t';
        }
        text += grid.cell(lastCol, r);
        text += "\r\n";
    }
    return text;
}

}  // namespace vantor
