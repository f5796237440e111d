#pragma once
// The career of one horse in a window of its own: every stored run, newest
// first, the chosen race's run on a band of its own and the runs after it
// (an old day chosen) on another; the totals by surface, distance band,
// going, racecourse and class; the chart of its finishing positions; and
// the user's note on the horse in full, edited as on the race card.
// A click on a column's header sorts by it (again: the other way); each
// copy button copies its grid as the main window's grids are copied.

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "stats/horse_career.h"
#include "stats/stats_tables.h"

class QLabel;
class QTabWidget;

namespace vantor {

namespace ui {
class TSpeedButton;
class TStringGrid;
}  // namespace ui

class HorseCareerForm : public QDialog {
    Q_OBJECT
public:
    // Asks for the note and keeps it; the note kept, or none when the user
    // cancelled or it could not be kept.
    using NoteEditor = std::function<std::optional<QString>(QWidget* parent)>;

    // chosenDate (yyyymmdd) is the day of the race the career was opened from.
    HorseCareerForm(stats::HorseCareer career, int chosenDate, QString note, NoteEditor editNote,
                    QWidget* parent = nullptr);
    ~HorseCareerForm() override;

    // Sorts the runs by column (0-based); a second sort by the same column
    // turns the order round. The totals sort the same way.
    void sortRuns(int column);
    void sortTotals(int tab, int column);
    void copyRuns() const;
    void copyTotals() const;
    void editNote();

    // The run grid's row (from 1) of the chosen race's run; -1 when the
    // chosen race is not among the runs.
    int chosenRow() const;
    // The band of grid row `row` of the run grid.
    bool isLaterRow(int row) const;

    ui::TStringGrid* RunGrid;
    QTabWidget* TotalsTabs;  // one grid per dimension
    std::vector<ui::TStringGrid*> TotalsGrids;
    QLabel* NoteLabel;             // the note in full
    ui::TSpeedButton* NoteBtn;     // "馬メモ編集(&M)..."
    ui::TSpeedButton* RunCopyBtn;  // "クリップボードへコピー"
    ui::TSpeedButton* TotalsCopyBtn;

private:
    struct SortedTable {
        stats::TextTable table;
        std::vector<std::size_t> order;  // row i of the grid shows table.rows[order[i]]
        int column = -1;
        bool descending = false;
        std::size_t keptLast = 0;  // the total row
    };
    class ChartView;

    void showTable(ui::TStringGrid& grid, const SortedTable& sorted);
    void sortTable(ui::TStringGrid& grid, SortedTable& sorted, int column);
    void showNote();
    void drawRunCell(QPainter& painter, int col, int row, const QRect& rect);
    // The run shown in grid row `row` of the run grid; null outside the runs.
    const stats::CareerRun* runOfRow(int row) const;

    stats::HorseCareer career_;
    int chosenDate_;
    QString note_;
    NoteEditor editNote_;
    SortedTable runs_;
    std::vector<SortedTable> totals_;
};

}  // namespace vantor
