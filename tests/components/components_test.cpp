#include <gtest/gtest.h>

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <map>

#include "components/string_grid.h"
#include "components/up_down.h"

using vantor::ui::TStringGrid;
using namespace vantor::literals;

namespace {

// A grid of three columns 20, 30 and 40 wide, a 25-pixel header row and two 15-pixel rows.
void setUp(TStringGrid& grid) {
    grid.setColCount(3);
    grid.setRowCount(3);
    grid.setDefaultRowHeight(15);
    grid.setRowHeight(0, 25);
    for (int col = 0; col < 3; ++col) grid.setColWidth(col, 20 + 10 * col);
}

}  // namespace

TEST(StringGrid, CellsSurviveResizingAndAccessOutsideIsHarmless) {
    TStringGrid grid;
    grid.setColCount(3);
    grid.setRowCount(4);
    grid.setCell(2, 3, "x");
    grid.setCell(0, 0, "h");
    grid.setRowCount(6);
    EXPECT_EQ(grid.cell(2, 3), QStringLiteral("x"));
    EXPECT_EQ(grid.cell(0, 0), QStringLiteral("h"));
    grid.setColCount(2);
    grid.setColCount(3);
    EXPECT_EQ(grid.cell(2, 3), QString());

    grid.setCell(7, 1, "lost");
    grid.setCell(0, 9, "lost");
    EXPECT_EQ(grid.cell(7, 1), QString());
    EXPECT_EQ(grid.cell(-1, -1), QString());
    grid.setRowCount(0);
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(grid.cell(0, 0), QStringLiteral("h"));
}

// CP932 has two codes for 髙 (EE E0 and FB FC) that show as one character:
// a cell gives back the code it was set from, and writing the other code
// is a change even though the text shown stays the same.
TEST(StringGrid, CellsKeepTheBytesTheyWereSetFrom) {
    TStringGrid grid;
    grid.setColCount(2);
    grid.setRowCount(2);
    grid.setCell(1, 1, "\xEE\xE0"_sjis);
    EXPECT_EQ(grid.cellSjis(1, 1), "\xEE\xE0"_sjis);
    EXPECT_EQ(grid.cell(1, 1), QStringLiteral("髙"));
    grid.setCell(1, 1, "\xFB\xFC"_sjis);
    EXPECT_EQ(grid.cellSjis(1, 1), "\xFB\xFC"_sjis);
    EXPECT_EQ(grid.cell(1, 1), QStringLiteral("髙"));
    EXPECT_EQ(grid.cellSjis(5, 5), ""_sjis);
}

TEST(StringGrid, SizesStayWhenTheGridGrows) {
    TStringGrid grid;
    setUp(grid);
    grid.setDefaultColWidth(50);
    grid.setColWidth(0, 20);
    grid.setRowCount(10);
    grid.setColCount(4);
    EXPECT_EQ(grid.rowHeight(0), 25);
    EXPECT_EQ(grid.rowHeight(9), 15);
    EXPECT_EQ(grid.colWidth(0), 20);
    EXPECT_EQ(grid.colWidth(3), 50);
}

TEST(StringGrid, DrawHandlerPaintsEveryCellInGridCoordinates) {
    TStringGrid grid;
    setUp(grid);
    grid.setFixedCols(1);
    grid.resize(200, 150);
    std::map<std::pair<int, int>, QSize> painted;
    grid.setOnDrawCell([&painted](QPainter&, int col, int row, const QRect& rect, bool) {
        painted[{col, row}] = rect.size();
    });
    grid.grab();
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            SCOPED_TRACE(testing::Message() << col << "," << row);
            ASSERT_EQ(painted.count({col, row}), 1u);
            // The grid line takes the last pixel of each column and row.
            const QSize expected(grid.colWidth(col) - 1, grid.rowHeight(row) - 1);
            EXPECT_EQ(painted[std::pair(col, row)], expected);
        }
    }
}

TEST(StringGrid, FixedColumnsStayInPlaceWhenScrolledSideways) {
    TStringGrid grid;
    setUp(grid);
    grid.setColCount(20);
    grid.setFixedCols(1);
    grid.resize(150, 120);
    grid.setOnDrawCell([](QPainter& painter, int col, int, const QRect& rect, bool) {
        painter.fillRect(rect, col == 0 ? Qt::red : Qt::white);
    });
    grid.show();
    grid.view().horizontalScrollBar()->setValue(grid.view().horizontalScrollBar()->maximum());
    ASSERT_GT(grid.view().horizontalScrollBar()->value(), 0);
    const QImage image = grid.grab().toImage();
    const int frame = grid.view().frameWidth();
    EXPECT_EQ(image.pixelColor(frame + 5, frame + 5), QColor(Qt::red));       // header row
    EXPECT_EQ(image.pixelColor(frame + 5, frame + 25 + 5), QColor(Qt::red));  // first row
    EXPECT_EQ(image.pixelColor(frame + 40, frame + 25 + 5), QColor(Qt::white));
}

TEST(StringGrid, MouseReleaseEmptiesTheSelectionOnlyWhenAsked) {
    for (bool clear : {false, true}) {
        TStringGrid grid;
        setUp(grid);
        grid.setRowSelect(true);
        grid.setClearSelectionOnMouseUp(clear);
        grid.resize(200, 150);
        grid.show();
        const QPoint inFirstRow = grid.view().visualRect(grid.view().model()->index(0, 1)).center();
        QTest::mouseClick(grid.view().viewport(), Qt::LeftButton, {}, inFirstRow);
        EXPECT_EQ(grid.view().selectionModel()->hasSelection(), !clear) << clear;
    }
}

TEST(UpDown, StepsWithinItsRangeAndReportsEveryClick) {
    vantor::ui::TUpDown upDown;
    upDown.setMaximum(2);
    int clicks = 0;
    QObject::connect(&upDown, &vantor::ui::TUpDown::clicked, [&clicks] { ++clicks; });
    upDown.downButton().click();
    EXPECT_EQ(upDown.position(), 0);
    for (int i = 0; i < 3; ++i) upDown.upButton().click();
    EXPECT_EQ(upDown.position(), 2);
    EXPECT_EQ(clicks, 4);
    upDown.setMaximum(1);
    EXPECT_EQ(upDown.position(), 1);
}
