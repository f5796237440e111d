// The race card sheet: the card grid painted from the race day, and the
// order buttons above it. The layouts compute every cell and every order;
// these handlers only apply them.

#include <QListWidget>
#include <QPainter>
#include <vector>

#include "components/speed_button.h"
#include "components/string_grid.h"
#include "output/card_row_sort.h"
#include "output/race_card_cell.h"
#include "output/renderer.h"
#include "shell/main_form.h"
#include "text/qt_text.h"

namespace vantor {

void TMainForm::StringGrid4DrawCell(QPainter& painter, int col, int row, const QRect& rect, bool selected) {
    StringGrid4->drawDefaultCell(painter, col, row, rect, selected);
    if (DatList->count() == 0) return;  // no day loaded: the grid shows only its own drawing
    const int number = card::cardRowNumber(row, fromQString(StringGrid4->cell(1, row)));
    const card::CellBox box{rect.width(), rect.height(), ui::TStringGrid::gridLineWidth()};
    const QColor tip = StringGrid4->palette().color(QPalette::ToolTipBase);
    const card::CardColours colours{{static_cast<std::uint8_t>(tip.red()), static_cast<std::uint8_t>(tip.green()),
                                     static_cast<std::uint8_t>(tip.blue())}};
    draw::render(painter, card::StringGrid4DrawCell(*Day, Day->CurRace, col, number, box, colours), rect.topLeft());
}

void TMainForm::SpeedButton10Click() {
    const int keyCol = card::sortKeyColumn(SpeedButton10->isChecked(), SpeedButton17->isChecked());
    const int cols = StringGrid4->colCount();
    std::vector<std::vector<SjisString>> rows;
    for (int r = 1; r < StringGrid4->rowCount(); ++r) {
        auto& cells = rows.emplace_back();
        for (int c = 0; c < cols; ++c) cells.push_back(fromQString(StringGrid4->cell(c, r)));
    }
    card::sortCardRows(rows, keyCol);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < cols; ++c)
            StringGrid4->setCell(c, static_cast<int>(r) + 1, toQString(rows[r][static_cast<std::size_t>(c)]));
}

}  // namespace vantor
