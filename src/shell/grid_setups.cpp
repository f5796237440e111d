#include "shell/grid_setups.h"

#include "components/string_grid.h"
#include "shell/fonts.h"

namespace vantor {
namespace {

QStringList texts(std::initializer_list<const char*> utf8) {
    QStringList list;
    for (const char* text : utf8) list.append(QString::fromUtf8(text));
    return list;
}

// The race card and the trainer grid show a runner per row in the same columns.
GridSetup runnerCardSetup(int frameColumnWidth) {
    GridSetup setup;
    setup.colWidths = {frameColumnWidth, 20, 250, 60, 80, 140, 140, 140, 140, 140, 140};
    setup.headers = texts({"枠", "馬", "馬名", "騎手", "賞金", "当該ﾚｰｽ", "前1走", "前2走", "前3走", "前4走", "前5走"});
    setup.fixedCols = 5;
    setup.rowHeight = 70;
    setup.headerHeight = 60;
    setup.font = gothicFont(12);
    return setup;
}

// The lists of runners: one line per row in a bold fixed-pitch font.
GridSetup runnerListSetup(std::vector<int> widths, QStringList headers) {
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
    setup.colWidths = {20, 20, 50, 150, 50, 50};
    setup.headers = texts({"枠", "馬", "格言該当", "馬名", "騎手", "調教師"});
    for (int col = 6; col <= 30; ++col) {
        setup.colWidths.push_back(70);
        setup.headers.append(QString::number(col - 5) + QStringLiteral("週前"));
    }
    setup.fixedCols = 6;
    setup.rowHeight = 25;
    setup.headerHeight = 27;
    setup.font = gothicFont(12);
    return setup;
}

GridSetup raceCardGridSetup() { return runnerCardSetup(20); }

GridSetup trainerGridSetup() { return runnerCardSetup(30); }

GridSetup signCheckGridSetup() {
    return runnerListSetup(
        {20, 20, 60, 60, 140, 30, 60, 60, 200, 60, 20},
        texts({"枠", "馬", "馬主重複", "厩舎重複", "馬名", "性齢", "騎手", "調教師", "馬主", "予想配当", "順"}));
}

GridSetup horseSearchGridSetup() {
    return runnerListSetup({60, 20, 20, 140, 60, 60, 50, 50, 50},
                           texts({"ﾚｰｽ", "枠", "馬", "馬名", "騎手", "調教師", "着順", "人気", "確ｵｯｽﾞ"}));
}

GridSetup searchListGridSetup() {
    return runnerListSetup({60, 20, 20, 80, 140, 60, 60, 50, 50, 50},
                           texts({"ﾚｰｽ", "枠", "馬", "該当", "馬名", "騎手", "調教師", "着順", "人気", "確ｵｯｽﾞ"}));
}

void applyGridSetup(ui::TStringGrid& grid, const GridSetup& setup) {
    grid.setFont(setup.font);
    grid.setColCount(static_cast<int>(setup.colWidths.size()));
    grid.setRowCount(2);
    grid.setFixedCols(setup.fixedCols);
    grid.setDefaultRowHeight(setup.rowHeight);
    grid.setRowHeight(0, setup.headerHeight);
    for (int col = 0; col < grid.colCount(); ++col) {
        grid.setColWidth(col, setup.colWidths[static_cast<std::size_t>(col)]);
        grid.setCell(col, 0, setup.headers.value(col));
    }
    grid.setRowSelect(true);
    grid.setRangeSelect(true);
    grid.setClearSelectionOnMouseUp(true);
}

}  // namespace vantor
