#include "analysis/horse_search.h"

#include <gtest/gtest.h>

#include "raceday/horse_initials.h"
#include "support/hand_day.h"

using namespace vantor;
using namespace vantor::test;

TEST(HorseSearch, FindsTheDaysRunnersByTheUntrimmedInitialInSlotOrder) {
    HandDay hand;
    hand.addRace(0, "05", 11, 2);
    hand.addRace(1, "08", 3, 2);
    hand.addRunner(0, 0, {.name = "カキク", .number = "01"});
    hand.addRunner(0, 1,
                   {.name = "アイウ", .bracket = "2", .number = "02", .position = 3, .popularity = 1, .odds = 12.3});
    hand.addRunner(1, 0, {.name = " アカ", .number = "01"});  // begins with a blank
    hand.addRunner(1, 1, {.name = "アオイ", .number = "10"});

    const HorseSearchResult found = horseSearch(hand.day(), utf8ToCp932("ア"));
    EXPECT_EQ(u(found.item + "|" + found.key), "馬名頭文字|ア");
    std::vector<std::string> rows;
    for (const HorseSearchRow& row : found.rows) {
        std::string text;
        for (const SjisString& cell : row) text += u(cell) + "|";
        rows.push_back(text);
    }
    EXPECT_EQ(rows, (std::vector<std::string>{"東京11R|2| 2|アイウ|騎手|TA      | 3着| 1人|  12.3|",
                                              "京都 3R|1|10|アオイ|騎手|TA      |    |    |      |"}));
    // Each row knows its runner, for the views that open a row's horse.
    EXPECT_EQ(found.runners, (std::vector<RunnerSlot>{{0, 1}, {1, 1}}));

    // The entry made from " アカ" is its trimmed first two bytes, which no name begins with untrimmed.
    std::vector<SjisString> initials;
    addHorseInitials(hand.race(1), initials);
    ASSERT_EQ(initials.size(), 2u);
    EXPECT_TRUE(horseSearch(hand.day(), initials[0]).rows.empty());
    EXPECT_TRUE(horseSearch(hand.day(), "").rows.empty()) << "a day without initials lists nobody";
}
