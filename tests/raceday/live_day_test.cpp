#include "raceday/live_day.h"

#include <gtest/gtest.h>

#include "raceday/live_combos.h"
#include "record_layouts/jvdata_live_structure.h"
#include "record_layouts/jvdata_record.h"
#include "support/live_records.h"
#include "text/sjis_literal.h"

using namespace vantor;
using namespace vantor::jvdata;
using namespace vantor::test;

namespace {

class LiveDayTest : public ::testing::Test {
protected:
    void SetUp() override { day->reset("20240526"); }

    void answer(LiveDataspec dataspec, std::initializer_list<SjisView> records) {
        day->applyAnswer(dataspec, std::span<const SjisView>(records.begin(), records.size()));
    }
    const LiveRace& race(int raceNum = 11) {
        const LiveRace* r = day->race("05", raceNum);
        EXPECT_TRUE(r);
        static const LiveRace none;
        return r ? *r : none;
    }
    const LiveRunner& runner(int horse, int raceNum = 11) { return race(raceNum).runners[horse - 1]; }
    std::vector<std::string> skips() {
        std::vector<std::string> texts;
        for (const LiveSkip& s : day->skipped()) texts.push_back(liveSkipText(s));
        return texts;
    }

    std::unique_ptr<LiveDay> day = LiveDay::create();
};

}  // namespace

TEST(LiveValues, MarkersAreStatesAndNumbersAreNumbers) {
    EXPECT_EQ(readOddsField("0297"), liveValue(297));
    EXPECT_EQ(readOddsField("9999"), liveValue(9999)) << "999.9 or more";
    EXPECT_EQ(readOddsField("----").mark, LiveMark::cancelledBeforeSale);
    EXPECT_EQ(readOddsField("****").mark, LiveMark::cancelledAfterSale);
    EXPECT_EQ(readOddsField("**").mark, LiveMark::cancelledAfterSale) << "popularity alike";
    EXPECT_EQ(readOddsField("0000").mark, LiveMark::noVotes);
    EXPECT_EQ(readOddsField("    ").mark, LiveMark::none);
    for (const char* garbled : {"02 7", "-297", "0*97", "02-7"})
        EXPECT_EQ(readOddsField(sjisBytes(garbled)).mark, LiveMark::garbled);

    EXPECT_EQ(readWeightField("482"), liveValue(482));
    EXPECT_EQ(readWeightField("999").mark, LiveMark::notWeighed);
    EXPECT_EQ(readWeightField("000").mark, LiveMark::scratched);
    EXPECT_EQ(readWeightField("   ").mark, LiveMark::none);
    EXPECT_EQ(readWeightField("---").mark, LiveMark::garbled);
    EXPECT_EQ(readWeightChange("+", "012"), liveValue(12));
    EXPECT_EQ(readWeightChange("-", "004"), liveValue(-4));
    EXPECT_EQ(readWeightChange(" ", "000"), liveValue(0)) << "no change";
    EXPECT_EQ(readWeightChange(" ", "999").mark, LiveMark::notWeighed);
    EXPECT_EQ(readWeightChange(" ", "   ").mark, LiveMark::none) << "first run or scratched";
    EXPECT_EQ(readWeightChange("x", "004").mark, LiveMark::garbled);
}

TEST_F(LiveDayTest, AFullWeighingWithEmptySlotsAndALaterOneThatReplacesIt) {
    RecordBuilder full = liveRecord(kWhLayout, "05261040");
    for (int i = 1; i <= 16; ++i)
        full.number(wh::Umaban, i, i)
            .number(wh::BaTaijyu, 440 + i, i)
            .text(wh::ZogenFugo, "+", i)
            .number(wh::ZogenSa, i, i);
    full.text(wh::Umaban, "00", 17);  // two empty slots: "00" and blanks
    full.number(wh::BaTaijyu, 999, 3).text(wh::ZogenFugo, " ", 3).number(wh::ZogenSa, 999, 3);
    full.number(wh::BaTaijyu, 0, 4).text(wh::ZogenFugo, " ", 4).text(wh::ZogenSa, "   ", 4);
    answer(LiveDataspec::weights, {full.record()});
    EXPECT_EQ(race().weightsTime.text, "05261040"_sjis);
    EXPECT_EQ(runner(1).weight, liveValue(441));
    EXPECT_EQ(runner(1).weightChange, liveValue(1));
    EXPECT_EQ(runner(3).weight.mark, LiveMark::notWeighed);
    EXPECT_EQ(runner(3).weightChange.mark, LiveMark::notWeighed);
    EXPECT_EQ(runner(4).weight.mark, LiveMark::scratched);
    EXPECT_EQ(runner(4).weightChange.mark, LiveMark::none);
    EXPECT_EQ(runner(16).weight, liveValue(456));
    EXPECT_EQ(runner(17).weight.mark, LiveMark::none);
    EXPECT_EQ(runner(18).weight.mark, LiveMark::none);
    EXPECT_TRUE(skips().empty());

    const SjisString later = liveRecord(kWhLayout, "05261050")
                                 .number(wh::Umaban, 2, 1)
                                 .number(wh::BaTaijyu, 460, 1)
                                 .text(wh::ZogenFugo, "-", 1)
                                 .number(wh::ZogenSa, 6, 1)
                                 .take();
    answer(LiveDataspec::weights, {later});
    EXPECT_EQ(runner(2).weightChange, liveValue(-6));
    EXPECT_EQ(runner(1).weight.mark, LiveMark::none) << "the later weighing replaces the whole earlier one";
}

TEST_F(LiveDayTest, RecordsThatCannotBeUsedAreCountedByKindAndReasonAndLeaveNoTrace) {
    const SjisString wh =
        liveRecord(kWhLayout, "05261040", 3).number(wh::Umaban, 1, 1).number(wh::BaTaijyu, 0, 1).take();
    const SjisString short_ = wh.view().substr(0, 400) + "\r\n";
    // Of the layout's length, but no line of it: filed, it would break its file's lines.
    SjisString lineBreak = liveRecord(kWhLayout, "05261040", 8).take();
    lineBreak[300] = '\r';
    const SjisString horse19 = liveRecord(kWhLayout, "05261040", 4).number(wh::Umaban, 19, 2).take();
    const SjisString av19 = liveRecord(kAvLayout, "05261000", 5).number(av::Umaban, 19).take();
    const SjisString otherDay = liveRecord(kWhLayout, "05251040", 6).number(wh::Year, 2023).take();
    const SjisString localCourse = liveRecord(kWhLayout, "05261040", 7, "30").take();
    answer(LiveDataspec::weights, {short_, lineBreak, horse19, otherDay, localCourse, SjisView(wh).substr(0, 845)});
    answer(LiveDataspec::dayChanges, {wh, av19, weRecord("05261000", '4', '1', '1', '1')});
    answer(LiveDataspec::odds, {liveRecord(kO3Layout, "05261000", 3).take(), wh});
    answer(LiveDataspec::winOddsSeries, {liveRecord(kO2Layout, "05261000").take()});

    EXPECT_EQ(skips(), (std::vector<std::string>{"WH 2件 長さが違う", "WH 1件 馬番が01-18の外",
                                                 "WH 2件 この日のJRAのレースではない",
                                                 "WH 2件 このデータ種別では届かない種別", "AV 1件 馬番が01-18の外",
                                                 "WE 1件 変更識別が1-3の外", "O2 1件 このデータ種別では届かない種別"}))
        << "an O3 of the odds is no error";
    EXPECT_EQ(day->races().size(), 1u) << "only the whole WH without its line end and the O3 were used";
    EXPECT_TRUE(day->race("05", 3)->combos[0].snapshot.present);
    EXPECT_EQ(runner(1, 3).weight.mark, LiveMark::scratched);
    EXPECT_FALSE(day->course("05"));
}

TEST_F(LiveDayTest, AJockeyChangeUndecidedFirstThenNamedTheLatestAnnouncementWins) {
    const SjisString undecided = jcRecord("05260900", 5, "00000", "未定");
    const SjisString named = jcRecord("05260930", 5, "01170", "横山");
    answer(LiveDataspec::dayChanges, {undecided, named});
    EXPECT_EQ(runner(5).jockeyAfter.name.view().substr(0, 4), sjis("横山"));
    EXPECT_EQ(runner(5).jockeyAfter.code, "01170"_sjis);
    EXPECT_EQ(runner(5).jockeyAfter.futan, liveValue(570));
    EXPECT_EQ(runner(5).jockeyBefore.code, "01126"_sjis);
    EXPECT_EQ(runner(5).jockeyBefore.futan, liveValue(580));
    EXPECT_EQ(runner(5).jockeyTime.text, "05260930"_sjis);

    answer(LiveDataspec::dayChanges, {named, undecided});
    EXPECT_EQ(runner(5).jockeyAfter.code, "01170"_sjis) << "order of delivery does not matter, the announce time does";
    answer(LiveDataspec::dayChanges, {undecided});
    EXPECT_EQ(runner(5).jockeyAfter.name.view().substr(0, 4), sjis("未定"));
    EXPECT_EQ(runner(5).jockeyAfter.code, "00000"_sjis);
}

TEST_F(LiveDayTest, ADayChangesAnswerReplacesTheWholeSetSoAWithdrawnScratchIsGone) {
    const SjisString scratch = avRecord("05260830", 5, "1", "001");
    const SjisString excluded = avRecord("05261410", 7, "2", "002");
    const SjisString post =
        liveRecord(kTcLayout, "05261000").text(tc::HassoTime, "1550").text(tc::HassoTimeBefore, "1540").take();
    const SjisString course = liveRecord(kCcLayout, "05260800")
                                  .number(cc::Kyori, 2000)
                                  .text(cc::TrackCD, "24")
                                  .number(cc::KyoriBefore, 2400)
                                  .text(cc::TrackCDBefore, "11")
                                  .text(cc::JiyuCD, "3")
                                  .take();
    answer(LiveDataspec::weights,
           {liveRecord(kWhLayout, "05261040").number(wh::Umaban, 1, 1).number(wh::BaTaijyu, 480, 1).take()});
    answer(LiveDataspec::dayChanges, {scratch, excluded, post, course, jcRecord("05260900", 3, "01170", "横山"),
                                  weRecord("00000000", '1', '1', '1', '1')});
    EXPECT_EQ(runner(5).scratch, "1"_sjis);
    EXPECT_EQ(runner(5).scratchReason, "001"_sjis);
    EXPECT_EQ(runner(7).scratch, "2"_sjis);
    EXPECT_EQ(runner(7).scratchTime.text, "05261410"_sjis);
    EXPECT_EQ(race().postTime, "1550"_sjis);
    EXPECT_EQ(race().postTimeBefore, "1540"_sjis);
    EXPECT_EQ(race().distance, 2000);
    EXPECT_EQ(race().distanceBefore, 2400);
    EXPECT_EQ(race().track, "24"_sjis);
    EXPECT_EQ(race().courseChangeReason, "3"_sjis);

    answer(LiveDataspec::dayChanges, {excluded});
    EXPECT_TRUE(runner(5).scratch.empty()) << "the scratch the next answer no longer holds is withdrawn";
    EXPECT_EQ(runner(7).scratch, "2"_sjis);
    EXPECT_TRUE(race().postTime.empty());
    EXPECT_FALSE(race().courseChange.present());
    EXPECT_FALSE(runner(3).jockeyTime.present());
    EXPECT_FALSE(day->course("05"));
    EXPECT_EQ(runner(1).weight, liveValue(480)) << "weights are no part of the day's changes";
}

TEST_F(LiveDayTest, WeatherFromTheLatestKindOneOrTwoGoingFromTheLatestKindOneOrThree) {
    const SjisString first = weRecord("00000000", '1', '1', '1', '1');
    const SjisString goingSoftens = weRecord("05261030", '3', '0', '2', '3');
    const SjisString rainStarts = weRecord("05261100", '2', '3', '0', '0');
    for (const auto& order : {std::vector<SjisView>{first, goingSoftens, rainStarts},
                              std::vector<SjisView>{rainStarts, goingSoftens, first}}) {
        day->applyAnswer(LiveDataspec::dayChanges, order);
        const LiveCourse* tokyo = day->course("05");
        ASSERT_TRUE(tokyo);
        EXPECT_EQ(tokyo->weather, "3"_sjis);
        EXPECT_EQ(tokyo->weatherTime.text, "05261100"_sjis);
        EXPECT_EQ(tokyo->turfGoing, "2"_sjis);
        EXPECT_EQ(tokyo->dirtGoing, "3"_sjis);
        EXPECT_EQ(tokyo->goingTime.text, "05261030"_sjis);
    }
    answer(LiveDataspec::dayChanges, {first});
    EXPECT_EQ(day->course("05")->weather, "1"_sjis) << "the day's first state alone";
    EXPECT_EQ(day->course("05")->goingTime.text, "00000000"_sjis);
    EXPECT_TRUE(day->course("05")->goingTime.present());
}

TEST_F(LiveDayTest, OddsKeepTheirMarkersAndALaterSnapshotReplacesTheEarlier) {
    RecordBuilder b = liveRecord(kO1Layout, "05261400");
    b.number(o1::TanUmaban, 1, 1).text(o1::TanOdds, "0024", 1).text(o1::TanNinki, "01", 1);
    b.number(o1::TanUmaban, 2, 2).text(o1::TanOdds, "----", 2).text(o1::TanNinki, "--", 2);
    b.number(o1::TanUmaban, 3, 3).text(o1::TanOdds, "****", 3).text(o1::TanNinki, "**", 3);
    b.number(o1::TanUmaban, 4, 4).text(o1::TanOdds, "0000", 4).text(o1::TanNinki, "00", 4);
    b.number(o1::FukuUmaban, 1, 1)
        .text(o1::FukuOddsLow, "0011", 1)
        .text(o1::FukuOddsHigh, "0013", 1)
        .text(o1::FukuNinki, "01", 1);
    b.text(o1::WakurenKumi, "12", 1).text(o1::WakurenOdds, "00056", 1).text(o1::WakurenNinki, "03", 1);
    answer(LiveDataspec::odds, {b.record()});
    EXPECT_EQ(runner(1).winOdds, liveValue(24));
    EXPECT_EQ(runner(1).winNinki, liveValue(1));
    EXPECT_EQ(runner(1).placeOddsLow, liveValue(11));
    EXPECT_EQ(runner(1).placeOddsHigh, liveValue(13));
    EXPECT_EQ(runner(2).winOdds.mark, LiveMark::cancelledBeforeSale);
    EXPECT_EQ(runner(2).winNinki.mark, LiveMark::cancelledBeforeSale);
    EXPECT_EQ(runner(3).winOdds.mark, LiveMark::cancelledAfterSale);
    EXPECT_EQ(runner(4).winOdds.mark, LiveMark::noVotes);
    EXPECT_EQ(runner(5).winOdds.mark, LiveMark::none) << "no entry";
    EXPECT_EQ(race().bracket[0].first, 1);
    EXPECT_EQ(race().bracket[0].second, 2);
    EXPECT_EQ(race().bracket[0].odds, liveValue(56));
    EXPECT_EQ(race().winPlace.time.text, "05261400"_sjis);

    RecordBuilder q = liveRecord(kO2Layout, "05261400");
    q.text(o2::UmarenKumi, "0102", 1).text(o2::UmarenOdds, "001729", 1).text(o2::UmarenNinki, "012", 1);
    q.text(o2::UmarenKumi, "0103", 2).text(o2::UmarenOdds, "******", 2).text(o2::UmarenNinki, "***", 2);
    const SjisString closing = liveRecord(kO1Layout, "00000000", 11, "05", "3")
                                   .number(o1::TanUmaban, 2, 1)
                                   .text(o1::TanOdds, "0031", 1)
                                   .take();
    answer(LiveDataspec::odds, {q.record(), closing});
    EXPECT_EQ(race().quinellaPairs[0].odds, liveValue(1729));
    EXPECT_EQ(race().quinellaPairs[0].second, 2);
    EXPECT_EQ(race().quinellaPairs[1].odds.mark, LiveMark::cancelledAfterSale);
    EXPECT_EQ(race().winPlace.dataKind, "3"_sjis);
    EXPECT_EQ(runner(2).winOdds, liveValue(31));
    EXPECT_EQ(runner(1).winOdds.mark, LiveMark::none) << "the final snapshot replaced the interim one";
    EXPECT_EQ(race().bracket[0].first, 0);
    EXPECT_EQ(race().quinella.time.text, "05261400"_sjis) << "another kind's snapshot stays";
}

TEST_F(LiveDayTest, TheWinOddsSeriesKeepsEachAnnouncementOnceInTimeOrder) {
    const SjisString at0930 = winOddsRecord("05260930", {"0035", "0052"});
    const SjisString at0900 = winOddsRecord("05260900", {"0041", "0048"});
    const SjisString dayBefore = winOddsRecord("05251700", {"0050", "0050"});
    answer(LiveDataspec::winOddsSeries, {at0930, at0900});
    answer(LiveDataspec::winOddsSeries, {dayBefore, at0900, at0930});
    const auto& series = race().winSeries;
    ASSERT_EQ(series.size(), 3u);
    EXPECT_EQ(series[0].time.text, "05251700"_sjis);
    EXPECT_EQ(series[1].time.text, "05260900"_sjis);
    EXPECT_EQ(series[1].odds[0], liveValue(41));
    EXPECT_EQ(series[2].odds[1], liveValue(52));
    EXPECT_EQ(series[2].ninki[1], liveValue(2));
    EXPECT_EQ(runner(1).winOdds.mark, LiveMark::none) << "the series is not the current odds";
}

TEST_F(LiveDayTest, AnnouncementsOfDecemberComeBeforeThoseOfAJanuaryRaceDay) {
    day->reset("20250105");
    const auto record = [](SjisView announce, SjisView name) {
        RecordBuilder b = liveRecord(kJcLayout, announce);
        return b.number(jc::Year, 2025)
            .number(jc::MonthDay, 105)
            .number(jc::Umaban, 1)
            .text(jc::KisyuName, name)
            .take();
    };
    const SjisString december = record("12281500", "A");
    const SjisString january = record("01050900", "B");
    answer(LiveDataspec::dayChanges, {january, december});
    EXPECT_EQ(runner(1).jockeyAfter.name.view().substr(0, 1), "B"_sjis);
}

TEST_F(LiveDayTest, TheCombinationOddsAreKeptPerKindReadEntryByEntryAndALaterOneReplacesThem) {
    answer(
        LiveDataspec::odds,
        {exactaRecord("05261030",
                      {{1, "0102", "000123", "001"}, {2, "0103", "------", "---"}, {306, "1817", "999999", "306"}})});
    RecordBuilder trifecta = liveRecord(kO6Layout, "05261031");
    trifecta.text(o6::Kumi, "180201", 4896).text(o6::Odds, "0000000", 4896).text(o6::Ninki, "0000", 4896);
    RecordBuilder wide = liveRecord(kO3Layout, "05261032");
    wide.text(o3::Kumi, "0102", 1)
        .text(o3::OddsLow, "00012", 1)
        .text(o3::OddsHigh, "00018", 1)
        .text(o3::Ninki, "001", 1);
    answer(LiveDataspec::odds, {trifecta.take(), wide.take()});

    const auto& combos = race().combos;
    const ComboSnapshot& exacta = combos[static_cast<std::size_t>(ComboKind::exacta)];
    EXPECT_EQ(comboEntryCount(ComboKind::exacta), 306);
    EXPECT_EQ(exacta.snapshot.time.text, "05261030"_sjis);
    const ComboOdds first = comboEntry(exacta, ComboKind::exacta, 1);
    EXPECT_EQ(first.horses, (std::array<std::uint8_t, 3>{1, 2, 0}));
    EXPECT_EQ(first.odds, liveValue(123));
    EXPECT_EQ(first.ninki, liveValue(1));
    EXPECT_EQ(comboEntry(exacta, ComboKind::exacta, 2).odds.mark, LiveMark::cancelledBeforeSale);
    EXPECT_EQ(comboEntry(exacta, ComboKind::exacta, 306).horses, (std::array<std::uint8_t, 3>{18, 17, 0}));
    EXPECT_EQ(comboEntry(exacta, ComboKind::exacta, 3).horses[0], 0) << "a blank entry names no horse";
    EXPECT_EQ(comboEntry(exacta, ComboKind::exacta, 307).horses[0], 0) << "beyond the record";

    const ComboOdds last = comboEntry(combos[static_cast<std::size_t>(ComboKind::trifecta)], ComboKind::trifecta, 4896);
    EXPECT_EQ(last.horses, (std::array<std::uint8_t, 3>{18, 2, 1})) << "the record's order, not sorted";
    EXPECT_EQ(last.odds.mark, LiveMark::noVotes);
    const ComboOdds range = comboEntry(combos[static_cast<std::size_t>(ComboKind::wide)], ComboKind::wide, 1);
    EXPECT_EQ(range.odds, liveValue(12));
    EXPECT_EQ(range.oddsHigh, liveValue(18));
    EXPECT_FALSE(combos[static_cast<std::size_t>(ComboKind::trio)].snapshot.present);
    EXPECT_EQ(comboEntry(combos[static_cast<std::size_t>(ComboKind::trio)], ComboKind::trio, 1).horses[0], 0);

    answer(LiveDataspec::odds, {exactaRecord("05261040", {{2, "0103", "000456", "001"}})});
    EXPECT_EQ(comboEntry(race().combos[1], ComboKind::exacta, 1).horses[0], 0) << "the later snapshot replaces";
    EXPECT_EQ(comboEntry(race().combos[1], ComboKind::exacta, 2).odds, liveValue(456));

    const std::size_t room = race().combos[3].record.bytes().capacity();
    day->reset("20240526");
    answer(LiveDataspec::odds, {exactaRecord("05261050", {}, 10)});
    EXPECT_TRUE(race(10).combos[3].record.empty()) << "a new day keeps nothing of the last";
    EXPECT_GE(race(10).combos[3].record.bytes().capacity(), room) << "nor gives back the room";
}
