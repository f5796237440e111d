#include "analysis/search_list.h"

#include <gtest/gtest.h>

#include "support/hand_day.h"

using namespace vantor;
using namespace vantor::test;

namespace {

// Columns 0 to 3 of every row: race, bracket, number, what matched.
std::vector<std::string> heads(const std::vector<SearchListRow>& rows) {
    std::vector<std::string> out;
    for (const SearchListRow& r : rows) out.push_back(u(r[0] + "|" + r[1] + "|" + r[2] + "|" + r[3]));
    return out;
}

}  // namespace

TEST(SearchList, RowsFollowRaceSlotsThenRunnersOfPresentRacesWithTheirResults) {
    HandDay hand;
    hand.addRace(0, "06", 12, 2);
    hand.addRace(1, "05", 1, 1);
    hand.addRace(2, "08", 5, 1);
    hand.race(2).RacePresent = 0;
    for (int r = 0; r < 3; ++r)
        for (int j = 0; j < 3; ++j) {
            hand.addRunner(r, j, {.number = j == 0 ? "05" : "03"});
            hand.race(r).RinsenSign[static_cast<std::size_t>(j)] = utf8ToCp932("牝2戦目") + " ";  // padded
        }
    hand.addRunner(1, 0,
                   {.name = "アイウ",
                    .bracket = "8",
                    .number = "12",
                    .jockey = "武豊",
                    .trainer = "友道康夫",
                    .position = 1,
                    .popularity = 2,
                    .odds = 3.5});
    hand.race(1).RinsenSign[0] = utf8ToCp932("牡1戦目");

    EXPECT_EQ(heads(searchListRows(hand.day(), 1)),
              (std::vector<std::string>{"中山12R|1| 5|牝2戦目 ", "中山12R|1| 3|牝2戦目 "}));
    const auto rows = searchListRows(hand.day(), 0);
    ASSERT_EQ(rows.size(), 1u);
    std::vector<std::string> cells;
    for (const SjisString& cell : rows[0]) cells.push_back(u(cell));
    EXPECT_EQ(cells, (std::vector<std::string>{"東京 1R", "8", "12", "牡1戦目", "アイウ", "武豊", "友道康夫", " 1着",
                                               " 2人", "   3.5"}));
    EXPECT_EQ(u(searchListRows(hand.day(), 1)[0][7] + searchListRows(hand.day(), 1)[0][9]), std::string(10, ' '))
        << "no result: blanks";
}

TEST(SearchList, WeekCriteriaGiveARowPerSlotTheEarlierSlotFirst) {
    HandDay hand;
    hand.addRace(0, "09", 1, 3);
    for (int j = 0; j < 3; ++j) hand.addRunner(0, j, {.number = j == 0 ? "01" : j == 1 ? "02" : "03"});
    hand.week(0, 0, 12, "20240303", 14, 1);
    hand.week(0, 0, 11, "20240310", 7, 2);
    hand.week(0, 1, 11, "20240310", 0, 3);  // third: not listed
    hand.week(0, 1, 12, "        ", 0, 1);  // no run that week, whatever the position says
    hand.week(0, 2, 13, "20240225", 0, 1);  // outside the two weeks
    hand.week(0, 2, 24, "20231209", 0, 0);
    hand.week(0, 2, 23, "20231216", 0, 0);
    hand.week(0, 1, 22, "20231223", 0, 0);

    EXPECT_EQ(heads(searchListRows(hand.day(), 4)),
              (std::vector<std::string>{"阪神 1R|1| 1| 2着", "阪神 1R|1| 1| 1着"}));
    EXPECT_EQ(heads(searchListRows(hand.day(), 5)),
              (std::vector<std::string>{"阪神 1R|1| 3|2023.12.16", "阪神 1R|1| 3|2023.12.09"}));
}

TEST(SearchList, NothingMatchingGivesOneEmptyRowAndNoCriterionNoRows) {
    HandDay hand;
    hand.addRace(0, "05", 11, 1);
    hand.addRunner(0, 0, {});
    EXPECT_EQ(searchListRows(hand.day(), 3), std::vector<SearchListRow>(1));
    EXPECT_TRUE(searchListRows(hand.day(), -1).empty());
}
