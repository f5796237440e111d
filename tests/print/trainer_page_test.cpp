// The trainer page as data: its rows in race-slot, then runner-slot order,
// the race's own column when the payouts are in, and a trainer without
// runners.

#include "print/trainer_page.h"

#include <gtest/gtest.h>

#include "fixed_measure.h"
#include "page_ops.h"
#include "print/print_document.h"
#include "support/hand_day.h"
#include "text/formatted.h"

using namespace vantor;
using namespace vantor::test;

namespace {

const FixedMeasure measure;

constexpr int v(int r) { return 126 * r; }

class TrainerPage : public ::testing::Test {
protected:
    HandDay hand;

    void SetUp() override {
        hand.addRace(0, "05", 3, 2);
        hand.addRace(1, "08", 11, 3);
        runner(1, 2, "ニシ", "TA      ");
        runner(0, 1, "ヒガシ", "TA      ");
        runner(1, 0, "キタ", "TA      ");
        runner(0, 0, "ミナミ", "TB      ");
    }
    void runner(int race, int slot, const char* name, const char* trainer) {
        HandRunner h;
        h.name = name;
        h.trainer = trainer;
        h.bracket = "2";
        hand.addRunner(race, slot, h);
        hand.race(race).Umaban[static_cast<std::size_t>(slot)] = formatted("%d", slot + 1);
    }
    draw::Page page(const char* item) { return print::trainerPage(hand.day(), utf8ToCp932(item), measure); }
};

TEST_F(TrainerPage, RowsFollowRaceSlotThenRunnerSlot) {
    const draw::Page p = page("TA        3");
    EXPECT_EQ(textAt(p, 100, 140), "2024年 5月26日　調教師別ﾘｽﾄ");
    EXPECT_EQ(textAt(p, 100, 200), "TA      ");
    EXPECT_EQ(textAt(p, 205, v(1) + 333), "ヒガシ");
    EXPECT_EQ(textAt(p, 205, v(2) + 333), "キタ");
    EXPECT_EQ(textAt(p, 205, v(3) + 333), "ニシ");
    EXPECT_EQ(textAt(p, 102, v(1) + 300), "東京");
    EXPECT_EQ(textAt(p, 105, v(1) + 350), " 3R");
    EXPECT_EQ(textAt(p, 102, v(2) + 300), "京都");
    EXPECT_EQ(textAt(p, 105, v(2) + 350), "11R");
    EXPECT_EQ(textAt(p, 160, v(3) + 290), "③");
    EXPECT_EQ(textAt(p, 673 + 220, 382), "前走-1");
    // Prize lines print without the horse record.
    EXPECT_EQ(textAt(p, 750, v(1) + 285), "       0千円");
}

TEST_F(TrainerPage, WithPayoutsTheRaceItselfHeadsTheRunColumns) {
    for (int r = 0; r < 2; ++r) {
        hand.race(r).HrLoaded = 1;
        for (std::size_t j = 0; j < 3; ++j) hand.race(r).RunKey[j][0] = hand.race(r).RaceKey;
    }
    hand.race(0).RunOdds[1][0] = "0045";
    hand.race(0).RunKey[1][1] = "2024041405010101";
    const draw::Page p = page("TA        3");
    EXPECT_EQ(textAt(p, 893, 382), "当該ﾚｰｽ");
    EXPECT_EQ(textAt(p, 893 + 220, 382), "前走-1");
    EXPECT_EQ(textAt(p, 893 + 4 * 220, 382), "前走-4");
    for (const draw::Text& t : textsOf(p.ops)) EXPECT_NE(u(t.text), "前走-5");
    EXPECT_EQ(textAt(p, 893, v(1) + 282).value_or("").rfind("2東京 05.26", 0), 0u);
    EXPECT_EQ(textAt(p, 893, v(1) + 382), "　  4.5倍");
    EXPECT_EQ(textAt(p, 1113, v(1) + 282).value_or("").rfind("1東京 04.14", 0), 0u);
}

TEST_F(TrainerPage, ATrainerWithoutRunnersGetsHeaderAndEmptyFrame) {
    const draw::Page p = page("TC        0");
    EXPECT_EQ(textAt(p, 100, 200), "TC      ");
    EXPECT_EQ(textAt(p, 205, 327), "馬名");
    int outer = 0;
    for (const draw::Frame& f : opsOf<draw::Frame>(p.ops)) outer += f.y == 280 && f.y + f.h == 406;
    EXPECT_EQ(outer, 2);  // the heading band and the frame of no rows
    EXPECT_EQ(textsInRow(p, v(1)), 0);
}

TEST(PrintDocument, OnePagePerRaceOfTheListOrTrainerOfTheDropDown) {
    HandDay hand;
    hand.addRace(0, "05", 1, 0);
    hand.addRace(1, "05", 2, 0);
    const print::PrintDocument cards = print::raceCardDocument(hand.day(), 2, print::RunnerOrder::group, measure);
    EXPECT_EQ(cards.pages.size(), 2u);
    EXPECT_EQ(cards.caption, "Vantor出馬表（グループ順）　印刷");
    EXPECT_EQ(textAt(cards.pages[1], 120, 175), "2");
    const print::PrintDocument trainers =
        print::trainerListDocument(hand.day(), {utf8ToCp932("TA        1"), utf8ToCp932("TB        1")}, measure);
    EXPECT_EQ(trainers.pages.size(), 2u);
    EXPECT_EQ(textAt(trainers.pages[1], 100, 200), "TB      ");
}

}  // namespace
