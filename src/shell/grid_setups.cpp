#include "shell/grid_setups.h"

#include "analysis/grid_headers.h"
#include "analysis/live_odds_tables.h"
#include "analysis/race_card.h"
#include "components/string_grid.h"
#include "painting/fonts.h"
#include "painting/race_card_cell.h"
#include "text/formatted.h"

namespace vantor {
namespace {

// The race card and the trainer grid show a runner per row in the same columns.
GridSetup runnerCardSetup(int frameColumnWidth) {
    GridSetup setup;
    setup.colWidths = {frameColumnWidth, 20, 34, 250, 60, 80, 140, 140, 140, 140, 140, 140};
    setup.headers = raceCardHeaders();
    setup.fixedCols = card::kFirstRunColumn;
    setup.rowHeight = 70;
    setup.headerHeight = 60;
    setup.font = gothicFont(12);
    return setup;
}

// The lists of runners: one line per row in a bold fixed-pitch font.
GridSetup runnerListSetup(std::vector<int> widths, std::vector<SjisString> headers) {
    GridSetup setup;
    setup.colWidths = std::move(widths);
    setup.headers = std::move(headers);
    setup.rowHeight = 15;
    setup.headerHeight = 15;
    setup.font = gothicFont(12, true);
    return setup;
}

}  // namespace

GridSetup cardCheckGridSetup() {
    GridSetup setup;
    setup.colWidths = {20, 20, 20, 50, 150, 50, 50};
    setup.colWidths.resize(kCheckGridCols, 70);  // a column per week slot
    setup.headers = cardCheckHeaders();
    setup.fixedCols = kCheckFirstWeekColumn;
    setup.rowHeight = 25;
    setup.headerHeight = 27;
    setup.font = gothicFont(12);
    return setup;
}

GridSetup raceCardGridSetup() { return runnerCardSetup(20); }

GridSetup trainerGridSetup() { return runnerCardSetup(30); }

GridSetup signCheckGridSetup() {
    return runnerListSetup({20, 20, 20, 60, 60, 140, 30, 60, 60, 200, 60, 20}, signCheckHeaders());
}

GridSetup horseSearchGridSetup() {
    return runnerListSetup({60, 20, 20, 140, 60, 60, 50, 50, 50}, horseSearchHeaders());
}

GridSetup searchListGridSetup() {
    return runnerListSetup({60, 20, 20, 80, 140, 60, 60, 50, 50, 50}, searchListHeaders());
}

GridSetup winPlaceGridSetup() { return runnerListSetup({20, 34, 150, 70, 34, 60, 90, 34}, winPlaceHeaders()); }

GridSetup oddsMatrixGridSetup(int size) {
    GridSetup setup = runnerListSetup({}, {});
    setup.colWidths.assign(static_cast<std::size_t>(size + 1), 60);
    setup.colWidths.front() = 24;
    setup.headers.emplace_back();
    for (int i = 1; i <= size; ++i) setup.headers.push_back(formatted("%d", i));
    setup.fixedCols = 1;
    return setup;
}

GridSetup comboListGridSetup() { return runnerListSetup({40, 90, 110}, comboListHeaders()); }

void applyGridSetup(ui::TStringGrid& grid, const GridSetup& setup) {
    grid.setFont(setup.font);
    grid.setColCount(static_cast<int>(setup.colWidths.size()));
    grid.setRowCount(2);
    grid.setFixedCols(setup.fixedCols);
    grid.setDefaultRowHeight(setup.rowHeight);
    grid.setRowHeight(0, setup.headerHeight);
    for (int col = 0; col < grid.colCount(); ++col) {
        grid.setColWidth(col, setup.colWidths[static_cast<std::size_t>(col)]);
        if (static_cast<std::size_t>(col) < setup.headers.size())
            grid.setCell(col, 0, setup.headers[static_cast<std::size_t>(col)]);
    }
    grid.setRowSelect(true);
    grid.setRangeSelect(true);
    grid.setClearSelectionOnMouseUp(true);
}

}  // namespace vantor
