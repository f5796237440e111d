// The analysis tabs of the main window: the card check and the search list,
// the number-sign check with the race stepper, the horse search, the
// trainer view, their copy buttons and their drawing. The core computes
// every text and the layouts every cell; these handlers only apply them.

#include <QComboBox>
#include <QListWidget>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include "analysis/copy_titles.h"
#include "analysis/horse_search.h"
#include "analysis/live_odds_tables.h"
#include "analysis/race_stepping.h"
#include "analysis/trainer_view.h"
#include "analysis/view_grids.h"
#include "components/label3d.h"
#include "components/string_grid.h"
#include "components/up_down.h"
#include "painting/check_grid_layout.h"
#include "painting/list_grid_layout.h"
#include "painting/renderer.h"
#include "painting/trainer_view_layout.h"
#include "shell/grid_copy.h"
#include "shell/grid_rows.h"
#include "shell/main_form.h"
#include "shell/sjis_items.h"
#include "text/qt_text.h"
#include "text/sjis_literal.h"

namespace vantor {
namespace {

draw::Rgb rgbOf(const QColor& colour) {
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

views::ViewColours viewColours(const QWidget& widget) {
    const QPalette& palette = widget.palette();
    return {rgbOf(palette.color(QPalette::ToolTipBase)), rgbOf(palette.color(QPalette::Button)),
            rgbOf(palette.color(QPalette::Base))};
}

draw::Font fontOf(const QFont& font) {
    return {font.family().toStdString(), font.pixelSize(), font.bold(), font.underline()};
}

card::CellBox cellBox(const QRect& rect) { return {rect.width(), rect.height(), ui::TStringGrid::gridLineWidth()}; }

void drawListCell(const ui::TStringGrid& grid, const views::ListGridStyle& style, QPainter& painter, int col, int row,
                  const QRect& rect) {
    draw::render(painter,
                 views::listGridCell(style, col, row, grid.cellSjis(col, row), cellBox(rect), fontOf(grid.font()),
                                     viewColours(grid)),
                 rect.topLeft());
}

// The trainer list draws its own items, 16 pixels high.
class TrainerItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QRect& rect = option.rect;
        draw::render(*painter, views::trainerItem(itemSjis(index), rect.width(), rect.height(), fontOf(option.font)),
                     rect.topLeft());
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), views::kTrainerItemHeight};
    }
};

}  // namespace

void TMainForm::connectViews() {
    const auto hook = [this](ui::TStringGrid* grid, auto handler) {
        grid->setOnDrawCell([this, handler](QPainter& painter, int col, int row, const QRect& rect, bool selected) {
            (this->*handler)(painter, col, row, rect, selected);
        });
    };
    hook(StringGrid1, &TMainForm::StringGrid1DrawCell);
    hook(StringGrid2, &TMainForm::StringGrid2DrawCell);
    hook(StringGrid3, &TMainForm::StringGrid3DrawCell);
    hook(StringGrid5, &TMainForm::StringGrid5DrawCell);
    hook(StringGrid7, &TMainForm::StringGrid7DrawCell);
    ChokBox->setItemDelegate(new TrainerItemDelegate(ChokBox));
}

void TMainForm::RinsenComboChange() {
    const GridCells cells = searchListGrid(*Day, RinsenCombo->currentIndex());
    clearRows(*StringGrid7);
    if (cells.rowCount <= 1) return;  // no criterion chosen: only emptied
    fillRows(*StringGrid7, cells);
}

void TMainForm::UpDown1Click() {
    const auto race = steppedRace(DatList->count(), UpDown1->position());
    if (!race) return;
    {
        const QSignalBlocker block(DatList);
        DatList->setCurrentRow(*race);
    }
    DatListClick();
}

void TMainForm::UmaListBoxClick() {
    const HorseSearchResult result = horseSearch(*Day, currentSjis(*UmaListBox));
    SearchItemLabel->setText(toQString(result.item));
    SearchKeyLabel->setText(toQString(result.key));
    fillRows(*StringGrid3, horseSearchGrid(result));
    SearchRows = result.runners;
    StringGrid3->show();
}

void TMainForm::SpeedButton12Click() { clearRows(*StringGrid1); }

void TMainForm::ChokBoxChange() {
    if (ChokBox->currentIndex() < 0) return;
    StringGrid5->hide();
    TrainerRows = trainerRunners(*Day, trainerItemName(currentSjis(*ChokBox)));
    StringGrid5->setRowCount(static_cast<int>(TrainerRows.size()) + 1);
    StringGrid5->show();
    StringGrid5->clearSelection();
}

void TMainForm::SpeedButton13Click() {
    copyGrid(*StringGrid2,
             cardCheckCopyTitle(labelSjis(*Label3D4), Day->RaceTbl[static_cast<std::size_t>(CurRace)].RaceKey));
}

void TMainForm::SpeedButton19Click() {
    copyGrid(*StringGrid7, searchListCopyTitle(labelSjis(*Label3D4), currentSjis(*RinsenCombo)));
}

void TMainForm::SpeedButton15Click() { copyGrid(*StringGrid1, utf8ToCp932(shownDayName())); }

// The odds pane's copies: the race's date line, the table and the time of its odds.
void TMainForm::WinPlaceCopyBtnClick() {
    copyGrid(*WinPlaceGrid, oddsCopyTitle(labelSjis(*Label3D4), sjis("単勝・複勝"), labelSjis(*OddsTimeLabel)));
}

void TMainForm::BracketCopyBtnClick() {
    copyGrid(*BracketGrid, oddsCopyTitle(labelSjis(*Label3D4), sjis("枠連"), labelSjis(*OddsTimeLabel)));
}

void TMainForm::QuinellaCopyBtnClick() {
    copyGrid(*QuinellaGrid, oddsCopyTitle(labelSjis(*Label3D4), sjis("馬連"), labelSjis(*OddsTimeLabel)));
}

void TMainForm::ComboCopyBtnClick(ComboKind kind) {
    const ComboSheet& combo = ComboSheets[static_cast<std::size_t>(kind)];
    copyGrid(*combo.grid, oddsCopyTitle(labelSjis(*Label3D4), comboKindName(kind), labelSjis(*combo.timeLabel)));
}

void TMainForm::SpeedButton21Click() { copyGrid(*StringGrid3, utf8ToCp932(shownDayName())); }

void TMainForm::StringGrid1DrawCell(QPainter& painter, int col, int row, const QRect& rect, bool) {
    drawListCell(*StringGrid1, views::signGridStyle(), painter, col, row, rect);
}

void TMainForm::StringGrid3DrawCell(QPainter& painter, int col, int row, const QRect& rect, bool) {
    drawListCell(*StringGrid3, views::horseSearchGridStyle(), painter, col, row, rect);
}

void TMainForm::StringGrid7DrawCell(QPainter& painter, int col, int row, const QRect& rect, bool) {
    drawListCell(*StringGrid7, views::searchListGridStyle(), painter, col, row, rect);
}

void TMainForm::StringGrid2DrawCell(QPainter& painter, int col, int row, const QRect& rect, bool) {
    draw::render(painter,
                 views::checkGridCell(*Day, CurRace, col, row, StringGrid2->cellSjis(1, row),
                                      StringGrid2->cellSjis(col, row), cellBox(rect), viewColours(*StringGrid2)),
                 rect.topLeft());
}

void TMainForm::StringGrid5DrawCell(QPainter& painter, int col, int row, const QRect& rect, bool selected) {
    // The header captions of the race columns are the grid's own.
    if (row == 0) StringGrid5->drawDefaultCell(painter, col, row, rect, selected);
    if (ChokBox->count() == 0) return;
    draw::render(
        painter,
        views::trainerGridCell(*Day, col, row, runnerOfRow(TrainerRows, row), cellBox(rect), viewColours(*StringGrid5)),
        rect.topLeft());
}

}  // namespace vantor
