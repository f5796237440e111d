#include "shell/grid_copy.h"

#include <QClipboard>
#include <QGuiApplication>

#include "analysis/clipboard_text.h"
#include "components/string_grid.h"
#include "text/qt_text.h"

namespace vantor {

SjisString gridCopyText(const ui::TStringGrid& grid, SjisView title) {
    const GridCells cells{grid.colCount(), grid.rowCount(),
                          [&grid](int col, int row) { return SjisString(grid.cellSjis(col, row)); }};
    return clipboardText(cells, title);
}

void copyGrid(const ui::TStringGrid& grid, SjisView title) {
    QGuiApplication::clipboard()->setText(toQString(gridCopyText(grid, title)));
}

}  // namespace vantor
