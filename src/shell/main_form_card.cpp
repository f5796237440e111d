// The race card sheet: the card grid painted from the race day, one runner
// of CardRows per row, and the order buttons above it, which reorder
// CardRows. The core computes every cell and every order; these handlers
// only apply them.

#include <QListWidget>
#include <QPainter>

#include "analysis/card_row_order.h"
#include "analysis/view_grids.h"
#include "components/speed_button.h"
#include "components/string_grid.h"
#include "painting/race_card_cell.h"
#include "painting/renderer.h"
#include "shell/grid_rows.h"
#include "shell/main_form.h"

namespace vantor {

void TMainForm::StringGrid4DrawCell(QPainter& painter, int col, int row, const QRect& rect, bool selected) {
    StringGrid4->drawDefaultCell(painter, col, row, rect, selected);
    if (DatList->count() == 0) return;  // no day loaded: the grid shows only its own drawing
    const std::optional<RunnerSlot> runner = runnerOfRow(CardRows, row);
    const card::CellBox box{rect.width(), rect.height(), ui::TStringGrid::gridLineWidth()};
    const QColor tip = StringGrid4->palette().color(QPalette::ToolTipBase);
    const card::CardColours colours{{static_cast<std::uint8_t>(tip.red()), static_cast<std::uint8_t>(tip.green()),
                                     static_cast<std::uint8_t>(tip.blue())}};
    draw::render(
        painter,
        card::StringGrid4DrawCell(*Day, runner ? runner->race : CurRace, runner ? runner->runner : card::kHeaderRunner,
                                  col, box, colours, row == StringGrid4->currentRow()),
        rect.topLeft());
}

void TMainForm::SpeedButton10Click() {
    card::sortCardRows(*Day, CardRows, card::sortKeyColumn(SpeedButton10->isChecked(), SpeedButton17->isChecked()));
    fillRows(*StringGrid4, raceCardGrid(*Day, CardRows));
}

}  // namespace vantor
