#include <gtest/gtest.h>

#include <memory>

#include "raceday/dates.h"
#include "raceday/order_keys.h"
#include "raceday/predicted_odds.h"
#include "raceday/same_connections.h"
#include "raceday/trainer_list.h"
#include "raceday/week_marks.h"
#include "text/encoding.h"

using namespace vantor;
using namespace vantor::test;

namespace {

constexpr int kRaceDate = 20240526;

std::vector<SjisString> texts(std::initializer_list<SjisView> items) {
    std::vector<SjisString> out;
    for (const SjisView item : items) out.emplace_back(item);
    return out;
}

// Runner 0 of a race on kRaceDate; earlier runs are placed by their
// distance in days from the race.
class RunnerMarksTest : public ::testing::Test {
protected:
    RunnerMarksTest() { race->RunDate[0][0] = "20240526"; }

    void run(int k, int daysAgo, int kankaku = 0, int position = 0) {
        race->RunDate[0][k] = daysBefore(kRaceDate, daysAgo);
        if (k < kMaxEarlierRuns) race->Kankaku[0][k] = kankaku;
        race->RunChakujun[0][k] = position;
    }
    void derive() {
        fillWeekSlots(*race, 0, *marks);
        applyMaxim2(*race, 0, *marks);
    }
    bool maxim2() const { return marks->Kakugen2[0] == utf8ToCp932("格言２"); }

    std::unique_ptr<TRaceRec> race = std::make_unique<TRaceRec>();
    std::unique_ptr<TRaceMarkRec> marks = std::make_unique<TRaceMarkRec>();
};

}  // namespace

TEST_F(RunnerMarksTest, WeekSlotIsTheDistanceInWeeksRoundedHalfUp) {
    run(1, 3);    // 0.43 + 0.5: week 0, no slot
    run(2, 4);    // 0.57 + 0.5: week 1
    run(3, 10);   // 1.43 + 0.5: week 1, overwrites run 2
    run(4, 11);   // week 2
    run(5, 178);  // week 25
    run(6, 179);  // week 26: beyond the slots
    race->Kankaku[0][3] = 17;
    derive();
    EXPECT_EQ(marks->SyuDate[0][1], daysBefore(kRaceDate, 10));
    EXPECT_EQ(marks->SyuKankaku[0][1], 17);
    EXPECT_EQ(marks->SyuDate[0][2], daysBefore(kRaceDate, 11));
    EXPECT_EQ(marks->SyuDate[0][25], daysBefore(kRaceDate, 178));
    for (int w : {3, 4, 24}) EXPECT_TRUE(marks->SyuDate[0][w].empty()) << w;
}

TEST_F(RunnerMarksTest, WeekSlotsShowPositionsOfTheFiveLatestRunsAndNoIntervalForRun25) {
    run(5, 35, 10, 2);
    run(6, 42, 10, 1);
    run(24, 161, 30);
    run(25, 168);
    derive();
    EXPECT_EQ(marks->SyuChakujun[0][5], 2);
    EXPECT_EQ(marks->SyuChakujun[0][6], 0);
    EXPECT_EQ(marks->SyuKankaku[0][6], 10);
    EXPECT_EQ(marks->SyuKankaku[0][23], 30);
    EXPECT_EQ(marks->SyuDate[0][24], daysBefore(kRaceDate, 168));
    EXPECT_EQ(marks->SyuKankaku[0][24], 0);
}

TEST_F(RunnerMarksTest, WeekSlotsNeedARaceDateAndWholeRunDates) {
    run(1, 14, 20, 1);
    race->RunDate[0][2] = "20240300";
    derive();
    EXPECT_EQ(marks->SyuChakujun[0][2], 1);
    for (int w = 3; w <= kWeekSlots; ++w) EXPECT_TRUE(marks->SyuDate[0][w].empty()) << w;

    race->RunDate[0][0] = "        ";
    derive();
    EXPECT_TRUE(marks->SyuDate[0][2].empty());
}

TEST_F(RunnerMarksTest, Maxim2MarksAReturnFromRestHeld74To94DaysAgo) {
    for (int daysAgo : {74, 94}) {
        run(1, daysAgo, 56, 5);
        derive();
        EXPECT_TRUE(maxim2()) << daysAgo;
    }
    for (int daysAgo : {73, 95}) {
        run(1, daysAgo, 56, 5);
        derive();
        EXPECT_FALSE(maxim2()) << daysAgo;
    }
    run(1, 80, 55, 5);
    derive();
    EXPECT_FALSE(maxim2()) << "55 days is no rest";
}

TEST_F(RunnerMarksTest, Maxim2NeedsNoFirstOrSecondPlaceUpToThatRun) {
    run(1, 30, 20, 3);
    run(2, 80, 60, 4);
    derive();
    EXPECT_TRUE(maxim2()) << "a third place does not count";

    run(1, 30, 20, 2);
    derive();
    EXPECT_FALSE(maxim2());

    run(1, 30, 20, 4);
    run(2, 80, 60, 1);
    derive();
    EXPECT_FALSE(maxim2()) << "winning the comeback race itself counts";

    run(2, 80, 60, 4);
    run(3, 150, 20, 1);
    derive();
    EXPECT_TRUE(maxim2()) << "places before the comeback do not count";
}

TEST(OrderKey, PopularityAndPositionClasses) {
    EXPECT_EQ(orderKey(4, 3, 7), "a 4 7"_sjis);
    EXPECT_EQ(orderKey(5, 3, 7), "b 5 7"_sjis);
    EXPECT_EQ(orderKey(4, 4, 7), "c 4 7"_sjis);
    EXPECT_EQ(orderKey(5, 4, 7), "d 5 7"_sjis);
    EXPECT_EQ(orderKey(1, 1, 12), "a 112"_sjis);
    EXPECT_EQ(orderKey(12, 0, 3), "e12 3"_sjis);
    EXPECT_EQ(orderKey(0, 1, 3), "f99 3"_sjis);
    EXPECT_EQ(orderKey(-1, -1, 18), "f9918"_sjis);
}

TEST(OrderKey, ThisRaceOnceItHasPayoutsElseTheLastRun) {
    auto race = std::make_unique<TRaceRec>();
    auto marks = std::make_unique<TRaceMarkRec>();
    std::vector<SjisString> keys;
    race->RunNinki[2][1] = 1, race->RunChakujun[2][1] = 1;
    race->KekkaNinki[2] = 9, race->KekkaChakujun[2] = 8;
    buildOrderKeys(*race, *marks, keys);
    EXPECT_EQ(marks->SortKey[2], "a 1 3"_sjis);
    EXPECT_EQ(marks->SortKey[17], "f9918"_sjis);
    EXPECT_EQ(keys.size(), 18u);
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));

    race->HrLoaded = 1;
    keys.clear();
    buildOrderKeys(*race, *marks, keys);
    EXPECT_EQ(marks->SortKey[2], "d 9 3"_sjis);
}

TEST(OrderKey, RanksFollowTheSortedKeysOnlyFromFourKeysOn) {
    auto marks = std::make_unique<TRaceMarkRec>();
    rankByOrderKeys(texts({"a 1 3", "c 2 1", "f99 2"}), *marks);
    EXPECT_EQ(marks->SortRank, PerRunner<i32>{});

    rankByOrderKeys(texts({"a 1 3", "c 2 1", "f99 2", "f9910"}), *marks);
    EXPECT_EQ(marks->SortRank[2], 1);
    EXPECT_EQ(marks->SortRank[0], 2);
    EXPECT_EQ(marks->SortRank[1], 3);
    EXPECT_EQ(marks->SortRank[9], 4);
}

TEST(SameConnections, ByteForByteWithinTheDeclaredRunners) {
    auto race = std::make_unique<TRaceRec>();
    auto marks = std::make_unique<TRaceMarkRec>();
    race->TorokuTosu = "05";
    race->BanusiName[0] = "Owner A ";
    race->BanusiName[1] = "Owner A";  // trailing blank differs
    race->BanusiName[2] = "        ";
    race->BanusiName[3] = "        ";  // identical blanks are the same owner
    race->BanusiName[4] = "Owner B";
    race->BanusiName[5] = "Owner B";  // beyond the head count
    race->ChokName[0] = race->ChokName[4] = "T1      ";
    race->ChokName[1] = "T1";
    race->ChokName[2] = "T2";
    race->ChokName[3] = "T3";
    markSameConnections(*race, *marks);
    EXPECT_EQ(marks->SameBanusi, (PerRunner<std::uint8_t>{0, 0, 1, 1, 0, 0}));
    EXPECT_EQ(marks->SameChok, (PerRunner<std::uint8_t>{1, 0, 0, 0, 1, 0}));
}

TEST(TrainerList, MostRunnersFirstThenByNameOverPresentRacesOnly) {
    auto day = RaceDay::create();
    auto& r0 = day->RaceTbl[0];
    auto& r1 = day->RaceTbl[1];
    r0.RacePresent = r1.RacePresent = 1;
    r0.ChokName[0] = r0.ChokName[1] = r1.ChokName[5] = "Tb      ";
    r0.ChokName[2] = r1.ChokName[0] = "Tc      ";
    r0.ChokName[3] = r1.ChokName[1] = "Ta      ";
    r0.ChokName[4] = "        ";
    day->RaceTbl[2].ChokName.fill(FixedText<9>("Tc      "));  // not a present race: not counted
    for (int r = 0; r < 2; ++r)
        for (const auto& name : day->RaceTbl[r].ChokName) addTrainer(*day, name);

    const auto items = orderTrainers(*day);
    EXPECT_EQ(items, texts({"Tb        3", "Ta        2", "Tc        2"}));
    EXPECT_EQ(day->ChokList.front(), "996Tb      "_sjis);
}

TEST(PredictedRanks, LowestOddsFirstTiesByHorseNumber) {
    auto race = std::make_unique<TRaceRec>();
    race->YozOdds[0] = 5.0;
    race->YozOdds[1] = 3.2;
    race->YozOdds[2] = 3.2;
    race->YozOdds[4] = 1000.0;  // wider than "%5.1f": still after 999.9
    race->YozOdds[5] = 999.9;
    race->YozRank[3] = 7;
    rankPredictedOdds(*race);
    EXPECT_EQ(race->YozRank, (PerRunner<i32>{3, 1, 2, 0, 5, 4}));

    EXPECT_DOUBLE_EQ(oddsValue("  12.3"), 12.3);
    EXPECT_DOUBLE_EQ(oddsValue("  *   "), 0);
}
