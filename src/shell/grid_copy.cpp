#include "shell/grid_copy.h"

#include <QClipboard>
#include <QGuiApplication>

#include "analysis/clipboard_text.h"
#include "components/string_grid.h"
#include "text/qt_text.h"

namespace vantor {

void copyGrid(const ui::TStringGrid& grid, SjisView title) {
    const GridCells cells{grid.colCount(), grid.rowCount(),
                          [&grid](int col, int row) { return fromQString(grid.cell(col, row)); }};
    QGuiApplication::clipboard()->setText(toQString(clipboardText(cells, title)));
}

}  // namespace vantor
