#include "shell/horse_career_form.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "components/speed_button.h"
#include "components/string_grid.h"
#include "painting/career_chart_layout.h"
#include "painting/career_grid_layout.h"
#include "painting/fonts.h"
#include "painting/renderer.h"
#include "shell/grid_copy.h"
#include "shell/table_order.h"
#include "text/formatted.h"
#include "text/qt_text.h"
#include "text/sjis_literal.h"

namespace vantor {

// The chart of the finishing positions, laid out for the widget's size at
// every paint and played by the renderer.
class HorseCareerForm::ChartView : public QWidget {
public:
    ChartView(const stats::HorseCareer& career, int chosenDate, QWidget* parent)
        : QWidget(parent), career_(career), chosenDate_(chosenDate) {
        setMinimumSize(360, 200);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        draw::render(painter,
                     views::careerChart(career_.runs, chosenDate_, width(), height(), draw::screenMeasure()).ops);
    }

private:
    const stats::HorseCareer& career_;
    int chosenDate_;
};

namespace {

// Column widths of the runs: date, racecourse, race name, class, course,
// going, field, gate, number, popularity, odds, finish, time, margin, last
// three furlongs, body weight, jockey, carried, winner or second.
const std::vector<int> kRunWidths{84, 48, 150, 70, 60, 40, 36, 28, 36, 36, 48, 40, 56, 40, 48, 70, 70, 40, 140};
// The group, starts, 1st, 2nd, 3rd, unplaced, win and top-three rates.
const std::vector<int> kTotalsWidths{130, 48, 44, 44, 44, 44, 56, 56};

ui::TStringGrid* tableGrid(const stats::TextTable& table, const std::vector<int>& widths) {
    auto* grid = new ui::TStringGrid;
    grid->setFont(gothicFont(12));
    grid->setColCount(static_cast<int>(table.headings.size()));
    grid->setDefaultRowHeight(18);
    for (int col = 0; col < grid->colCount(); ++col) {
        const auto c = static_cast<std::size_t>(col);
        grid->setColWidth(col, c < widths.size() ? widths[c] : 60);
        grid->setCell(col, 0, table.headings[c]);
    }
    grid->setRowSelect(true);
    grid->setRangeSelect(true);
    grid->setClearSelectionOnMouseUp(true);
    // Row 0 is drawn by the header view: its clicks sort.
    grid->view().horizontalHeader()->setSectionsClickable(true);
    return grid;
}

ui::TSpeedButton* copyButton() {
    auto* made = new ui::TSpeedButton(QStringLiteral("クリップボードへコピー"));
    made->setAutoRaise(false);
    return made;
}

card::CellBox cellBox(const QRect& rect) { return {rect.width(), rect.height(), ui::TStringGrid::gridLineWidth()}; }

draw::Font fontOf(const QFont& font) {
    return {font.family().toStdString(), font.pixelSize(), font.bold(), font.underline()};
}

// "2023-05-27" of yyyymmdd.
QString isoDay(int date) {
    return QStringLiteral("%1-%2-%3")
        .arg(date / 10000)
        .arg(date / 100 % 100, 2, 10, QLatin1Char('0'))
        .arg(date % 100, 2, 10, QLatin1Char('0'));
}

}  // namespace

HorseCareerForm::HorseCareerForm(stats::HorseCareer career, int chosenDate, QString note, NoteEditor editNote,
                                 QWidget* parent)
    : QDialog(parent),
      career_(std::move(career)),
      chosenDate_(chosenDate),
      note_(std::move(note)),
      editNote_(std::move(editNote)) {
    setObjectName(QStringLiteral("HorseCareerForm"));
    runs_.table = stats::careerTable(career_);
    setWindowTitle(QStringLiteral("競走成績 ") + toQString(trimBlanks(career_.horse.name)));
    resize(1180, 760);

    int later = 0;
    for (const auto& run : career_.runs) later += run.date > chosenDate_;
    auto* title = new QLabel(toQString(runs_.table.title));
    title->setFont(gothicFont(14, true));
    QString chosen = QStringLiteral("当該レース %1").arg(isoDay(chosenDate_));
    if (later > 0) chosen += QStringLiteral("　以後の出走 %1走（灰色の行）").arg(later);
    auto* chosenLabel = new QLabel(chosen);

    NoteLabel = new QLabel;
    NoteLabel->setObjectName(QStringLiteral("NoteLabel"));
    NoteLabel->setWordWrap(true);
    NoteLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    NoteLabel->setFrameShape(QFrame::StyledPanel);
    NoteBtn = new ui::TSpeedButton(QStringLiteral("馬メモ編集(&M)..."));
    NoteBtn->setAutoRaise(false);
    NoteBtn->setEnabled(static_cast<bool>(editNote_));
    showNote();

    RunGrid = tableGrid(runs_.table, kRunWidths);
    RunGrid->setObjectName(QStringLiteral("RunGrid"));
    RunGrid->setOnDrawCell(
        [this](QPainter& painter, int col, int row, const QRect& rect, bool) { drawRunCell(painter, col, row, rect); });
    RunCopyBtn = copyButton();
    showTable(*RunGrid, runs_);

    TotalsTabs = new QTabWidget;
    for (const auto& [by, rows] : career_.totals) {
        SortedTable& sorted = totals_.emplace_back();
        sorted.table = stats::careerTotalsTable(by, rows, career_.total);
        sorted.keptLast = 1;
    }
    for (std::size_t t = 0; t < totals_.size(); ++t) {
        auto* grid = tableGrid(totals_[t].table, kTotalsWidths);
        grid->setOnDrawCell([this, grid, t](QPainter& painter, int col, int row, const QRect& rect, bool) {
            const auto c = static_cast<std::size_t>(col);
            const auto& numeric = totals_[t].table.numeric;
            draw::render(painter,
                         views::careerGridCell(row, grid->cellSjis(col, row), c < numeric.size() && numeric[c],
                                               views::CareerBand::none, cellBox(rect), fontOf(grid->font())),
                         rect.topLeft());
        });
        showTable(*grid, totals_[t]);
        connect(grid->view().horizontalHeader(), &QHeaderView::sectionClicked, this,
                [this, t](int column) { sortTotals(static_cast<int>(t), column); });
        TotalsGrids.push_back(grid);
        TotalsTabs->addTab(grid, toQString(stats::dimensionHeading(career_.totals[t].first)));
    }
    TotalsCopyBtn = copyButton();

    auto* noteRow = new QHBoxLayout;
    noteRow->addWidget(NoteLabel, 1);
    noteRow->addWidget(NoteBtn, 0, Qt::AlignTop);
    auto* runStrip = new QHBoxLayout;
    runStrip->addWidget(chosenLabel, 1);
    runStrip->addWidget(RunCopyBtn);
    auto* runPane = new QWidget;
    auto* runLayout = new QVBoxLayout(runPane);
    runLayout->setContentsMargins(0, 0, 0, 0);
    runLayout->addLayout(runStrip);
    runLayout->addWidget(RunGrid, 1);

    auto* totalsPane = new QWidget;
    auto* totalsLayout = new QVBoxLayout(totalsPane);
    totalsLayout->setContentsMargins(0, 0, 0, 0);
    totalsLayout->addWidget(TotalsCopyBtn, 0, Qt::AlignRight);
    totalsLayout->addWidget(TotalsTabs, 1);
    auto* lower = new QSplitter(Qt::Horizontal);
    lower->addWidget(totalsPane);
    lower->addWidget(new ChartView(career_, chosenDate_, lower));
    lower->setStretchFactor(1, 1);
    lower->setSizes({560, 600});  // the totals' ten columns beside the chart

    auto* body = new QSplitter(Qt::Vertical);
    body->addWidget(runPane);
    body->addWidget(lower);
    body->setStretchFactor(0, 3);
    body->setStretchFactor(1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(noteRow);
    layout->addWidget(body, 1);

    connect(RunGrid->view().horizontalHeader(), &QHeaderView::sectionClicked, this, &HorseCareerForm::sortRuns);
    connect(RunCopyBtn, &QToolButton::clicked, this, &HorseCareerForm::copyRuns);
    connect(TotalsCopyBtn, &QToolButton::clicked, this, &HorseCareerForm::copyTotals);
    connect(NoteBtn, &QToolButton::clicked, this, &HorseCareerForm::editNote);
}

HorseCareerForm::~HorseCareerForm() = default;

void HorseCareerForm::showTable(ui::TStringGrid& grid, const SortedTable& sorted) {
    const auto& rows = sorted.table.rows;
    grid.setRowCount(static_cast<int>(rows.size()) + 1);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& cells = rows[sorted.order.empty() ? i : sorted.order[i]];
        for (std::size_t c = 0; c < cells.size(); ++c)
            grid.setCell(static_cast<int>(c), static_cast<int>(i) + 1, cells[c]);
    }
    grid.updateCells();
}

void HorseCareerForm::sortTable(ui::TStringGrid& grid, SortedTable& sorted, int column) {
    if (column < 0 || column >= static_cast<int>(sorted.table.headings.size())) return;
    // Numbers start from the highest, texts from the first; a second click turns round.
    const bool numeric = sorted.table.numeric[static_cast<std::size_t>(column)];
    sorted.descending = sorted.column == column ? !sorted.descending : numeric;
    sorted.column = column;
    sorted.order = sortedRowOrder(sorted.table, static_cast<std::size_t>(column), sorted.descending, sorted.keptLast);
    showTable(grid, sorted);
    // A click on the header selects its column's cells: no row stays highlighted.
    grid.clearSelection();
}

void HorseCareerForm::sortRuns(int column) { sortTable(*RunGrid, runs_, column); }

void HorseCareerForm::sortTotals(int tab, int column) {
    if (tab < 0 || tab >= static_cast<int>(totals_.size())) return;
    sortTable(*TotalsGrids[static_cast<std::size_t>(tab)], totals_[static_cast<std::size_t>(tab)], column);
}

void HorseCareerForm::copyRuns() const { copyGrid(*RunGrid, runs_.table.title); }

void HorseCareerForm::copyTotals() const {
    const int tab = TotalsTabs->currentIndex();
    if (tab < 0 || tab >= static_cast<int>(totals_.size())) return;
    const auto t = static_cast<std::size_t>(tab);
    copyGrid(*TotalsGrids[t], career_.horse.name + " " + totals_[t].table.title);
}

void HorseCareerForm::editNote() {
    if (!editNote_) return;
    if (auto note = editNote_(this)) {
        note_ = std::move(*note);
        showNote();
    }
}

void HorseCareerForm::showNote() { NoteLabel->setText(note_.isEmpty() ? QStringLiteral("（馬メモなし）") : note_); }

const stats::CareerRun* HorseCareerForm::runOfRow(int row) const {
    if (row < 1 || row > static_cast<int>(career_.runs.size())) return nullptr;
    const auto i = static_cast<std::size_t>(row - 1);
    return &career_.runs[runs_.order.empty() ? i : runs_.order[i]];
}

int HorseCareerForm::chosenRow() const {
    for (int row = 1; row < RunGrid->rowCount(); ++row)
        if (const auto* run = runOfRow(row); run && run->date == chosenDate_) return row;
    return -1;
}

bool HorseCareerForm::isLaterRow(int row) const {
    const auto* run = runOfRow(row);
    return run && run->date > chosenDate_;
}

void HorseCareerForm::drawRunCell(QPainter& painter, int col, int row, const QRect& rect) {
    const auto c = static_cast<std::size_t>(col);
    const stats::CareerRun* run = runOfRow(row);
    const views::CareerBand band = !run                       ? views::CareerBand::none
                                   : run->date == chosenDate_ ? views::CareerBand::chosen
                                   : run->date > chosenDate_  ? views::CareerBand::later
                                                              : views::CareerBand::none;
    draw::render(painter,
                 views::careerGridCell(row, RunGrid->cellSjis(col, row),
                                       c < runs_.table.numeric.size() && runs_.table.numeric[c], band, cellBox(rect),
                                       fontOf(RunGrid->font())),
                 rect.topLeft());
}

}  // namespace vantor
