#include "analysis/view_grids.h"

#include <gtest/gtest.h>

#include "analysis/card_row_order.h"
#include "analysis/grid_headers.h"
#include "support/hand_day.h"

using namespace vantor;
using namespace vantor::test;

namespace {

std::vector<SjisString> row(const GridCells& grid, int r) {
    std::vector<SjisString> out;
    for (int c = 0; c < grid.colCount; ++c) out.push_back(grid.cell(c, r));
    return out;
}

}  // namespace

TEST(ViewGrids, RaceCardRowsFollowTheRunnerListAndHoldOnlyNumberMarkAndRank) {
    HandDay hand;
    hand.addRace(2, "05", 11, 3);
    for (int j = 0; j < 3; ++j) {
        hand.addRunner(2, j, {.number = j == 0 ? "01" : j == 1 ? "02" : "03"});
        hand.marks(2).SortRank[static_cast<std::size_t>(j)] = 3 - j;
    }
    hand.race(2).UserMark[1] = "\x81\x9d"_sjis;  // ◎ on horse 02
    std::vector<RunnerSlot> rows = card::raceCardRows(2, 3);
    card::sortCardRows(hand.day(), rows, card::kHorseColumn);

    const GridCells grid = raceCardGrid(hand.day(), rows);
    ASSERT_EQ(grid.rowCount, 4);
    EXPECT_EQ(row(grid, 0), raceCardHeaders());
    EXPECT_EQ(cp932ToUtf8(grid.cell(card::kUserMarkColumn, 0)), "印");
    std::vector<SjisString> first(raceCardHeaders().size());
    first[card::kNumberColumn] = SjisString("03");
    first[card::kHorseColumn] = SjisString(" 1");
    EXPECT_EQ(row(grid, 1), first);
    EXPECT_EQ(grid.cell(1, 3), "01"_sjis);
    EXPECT_EQ(clipboardText(grid, 0, 1, "T", 3, 3), "T\r\n\t03\t\t 1\r\n\t02\t\x81\x9d\t 2\r\n\t01\t\t 3\r\n"_sjis);
    EXPECT_EQ(grid.cell(1, 4), ""_sjis) << "past the last row";
}

TEST(ViewGrids, RunnerListsHaveAHeaderRowAndOneRowPerRunner) {
    HandDay hand;
    hand.addRace(0, "05", 1, 2);
    hand.addRunner(0, 0, {.name = "アイウ", .bracket = "1", .number = "01"});
    hand.addRunner(0, 1, {.name = "カキク", .bracket = "2", .number = "02"});
    const RaceCardTexts card = assembleRaceCard(hand.day(), 0);

    const GridCells sign = signCheckGrid(card), check = cardCheckGrid(card);
    EXPECT_EQ(sign.rowCount, 3);
    EXPECT_EQ(sign.colCount, static_cast<int>(signCheckHeaders().size()));
    EXPECT_EQ(row(sign, 2), std::vector<SjisString>(card.signRows[1].begin(), card.signRows[1].end()));
    EXPECT_EQ(row(check, 0), cardCheckHeaders());
    EXPECT_EQ(row(check, 1), std::vector<SjisString>(card.checkRows[0].begin(), card.checkRows[0].end()));
    EXPECT_EQ(searchListGrid(hand.day(), -1).rowCount, 1) << "no criterion: no rows";
}
