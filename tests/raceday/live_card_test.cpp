#include "raceday/live_card.h"

#include <gtest/gtest.h>

#include "analysis/race_card.h"
#include "support/live_records.h"
#include "text/encoding.h"
#include "text/sjis_literal.h"

using namespace vantor;
using namespace vantor::jvdata;

namespace {

std::string u(SjisView s) { return cp932ToUtf8(s); }

class LiveCard : public ::testing::Test {
protected:
    static void SetUpTestSuite() { day_ = RaceDay::create().release(); }
    static void TearDownTestSuite() { delete day_; }

    void SetUp() override {
        IniBtnClick(*day_);
        day_->RaceCount = 1;
        TRaceRec& r = day_->RaceTbl[0];
        r.RacePresent = 1;
        r.RaceKey = "2024052605021211";
        r.TorokuTosu = "03";
        r.HassoTime = "1540";
        day_->live().reset("20240526");
    }
    void apply(LiveDataspec dataspec, SjisView record) {
        const SjisView view = record;
        day_->live().applyAnswer(dataspec, std::span(&view, 1));
    }
    const TRaceRec& race() const { return day_->RaceTbl[0]; }

    static RaceDay* day_;
};
RaceDay* LiveCard::day_ = nullptr;

TEST_F(LiveCard, ScratchJockeyChangeWeightsAndOddsReachTheRaceSlotAndTheHeader) {
    SjisString changes =
        test::liveRecord(kAvLayout, "05261010").number(av::Umaban, 2).text(av::JiyuKubun, "001").take();
    const SjisString jc = test::liveRecord(kJcLayout, "05261012")
                               .number(jc::Umaban, 3)
                               .number(jc::Futan, 560)
                               .text(jc::KisyuName, sjis("新井"))
                               .text(jc::KisyuNameBefore, sjis("北原"))
                               .take();
    const SjisString tc = test::liveRecord(kTcLayout, "05261015")
                               .text(tc::HassoTime, "1555")
                               .text(tc::HassoTimeBefore, "1540")
                               .take();
    const SjisView answer[] = {changes, jc, tc};
    day_->live().applyAnswer(LiveDataspec::dayChanges, answer);
    RecordBuilder wh = test::liveRecord(kWhLayout, "05261020");
    wh.number(wh::Umaban, 1, 1).number(wh::BaTaijyu, 486, 1).text(wh::ZogenFugo, "+", 1).number(wh::ZogenSa, 4, 1);
    wh.number(wh::Umaban, 3, 2).text(wh::BaTaijyu, "999", 2).text(wh::ZogenSa, "999", 2);
    apply(LiveDataspec::weights, wh.take());
    apply(LiveDataspec::odds, test::winOddsRecord("05261030", {"0024", "----", "0150"}));

    fillLiveCard(*day_);
    EXPECT_EQ(u(race().LiveStatus[1]), "取消");
    EXPECT_EQ(u(race().LiveStatusReason[1]), "疾病");
    EXPECT_EQ(race().LiveWinOdds[1], ""_sjis) << "a scratched runner shows no odds";
    EXPECT_EQ(u(race().LiveKisyuName[2]), "新井");
    EXPECT_EQ(u(race().LiveKisyuBefore[2]), "北原");
    EXPECT_EQ(race().LiveFutan[2], "560"_sjis);
    EXPECT_EQ(u(race().LiveWeight[0]), "486(+4)");
    EXPECT_EQ(u(race().LiveWeight[2]), "計不");
    EXPECT_EQ(u(race().LiveWinOdds[0]), "2.4倍 1人");
    EXPECT_EQ(race().LiveOddsTime, "10:30"_sjis);
    EXPECT_EQ(race().LiveOut, 1);

    const RaceHeaderTexts header = raceHeaderTexts(race());
    EXPECT_EQ(u(header.headCount), "2頭") << "the scratch is left out of the count";
    EXPECT_EQ(u(header.startTime), "15時55分発走(変更)");
}

TEST_F(LiveCard, NothingAnnouncedLeavesTheSlotAndHeaderAsWithoutLiveData) {
    const RaceHeaderTexts before = raceHeaderTexts(race());
    fillLiveCard(*day_);
    for (int j = 0; j < kMaxRunners; ++j) {
        EXPECT_TRUE(race().LiveStatus[j].empty() && race().LiveKisyuName[j].empty() && race().LiveWeight[j].empty() &&
                    race().LiveWinOdds[j].empty());
    }
    const RaceHeaderTexts after = raceHeaderTexts(race());
    EXPECT_EQ(after.headCount, before.headCount);
    EXPECT_EQ(after.startTime, before.startTime);
    EXPECT_EQ(u(after.startTime), "15時40分発走");
}

}  // namespace

namespace {

TEST_F(LiveCard, ACourseChangeTheGoingAndTheOddsTimeReachTheHeaderMarkedAsTheDaysValues) {
    day_->RaceTbl[0].Kyori = "1600";
    day_->RaceTbl[0].TrackCd = "11";
    const RaceHeaderTexts before = raceHeaderTexts(race());
    EXPECT_EQ(u(before.weatherGoing), "");
    EXPECT_EQ(u(before.oddsTime), "");

    const SjisString cc = test::liveRecord(kCcLayout, "05260905")
                               .number(cc::Kyori, 1400)
                               .text(cc::TrackCD, "17")
                               .number(cc::KyoriBefore, 1600)
                               .text(cc::TrackCDBefore, "11")
                               .text(cc::JiyuCD, "1")
                               .take();
    const SjisString first = test::weRecord("00000000", '1', '1', '1', '1');
    const SjisString going = test::weRecord("05261015", '3', '0', '2', '1');
    // A scratch of another race, announced later, is no announcement of this one.
    const SjisString other = test::liveRecord(kAvLayout, "05261100", 12).number(av::Umaban, 1).take();
    const SjisView answer[] = {cc, first, going, other};
    day_->live().applyAnswer(LiveDataspec::dayChanges, answer);
    apply(LiveDataspec::odds, test::winOddsRecord("05261030", {"0024", "0150", "0300"}));
    fillLiveCard(*day_);

    const RaceHeaderTexts h = raceHeaderTexts(race());
    EXPECT_EQ(u(h.track), "芝右(変更)");
    EXPECT_EQ(u(h.distance), "1400m(変更)");
    EXPECT_EQ(u(h.weatherGoing), "晴 芝:稍重 ダ:良 10:15発表") << "weather of the first state, going of the change";
    EXPECT_EQ(u(h.oddsTime), "ｵｯｽﾞ 10:30 現在");
    EXPECT_EQ(u(h.headCount), " 3頭") << "nobody of this race is out";
    EXPECT_EQ(race().LiveAsOf, "10:30"_sjis) << "the race's latest announcement";
}

}  // namespace
