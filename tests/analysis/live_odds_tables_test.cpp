#include "analysis/live_odds_tables.h"

#include <gtest/gtest.h>

#include "support/live_records.h"
#include "text/encoding.h"
#include "text/formatted.h"
#include "text/sjis_literal.h"

using namespace vantor;
using namespace vantor::jvdata;

namespace {

std::string u(SjisView s) { return cp932ToUtf8(s); }

class LiveOddsTables : public ::testing::Test {
protected:
    static void SetUpTestSuite() { day_ = RaceDay::create().release(); }
    static void TearDownTestSuite() { delete day_; }

    void SetUp() override {
        IniBtnClick(*day_);
        TRaceRec& r = race();
        r.TorokuTosu = "04";
        for (int j = 0; j < 4; ++j) {
            r.Umaban[j] = formatted("%02d", j + 1);
            r.Wakuban[j] = formatted("%d", j + 1);
            r.Bamei[j] = sjis("ホース") + formatted("%d", j + 1);
        }
        live_ = LiveDay::create();
        live_->reset("20240526");
    }
    TRaceRec& race() { return day_->RaceTbl[0]; }
    const LiveRace* live() const { return live_->race("05", 11); }
    void apply(SjisView record) { live_->applyAnswer(LiveDataspec::odds, std::span(&record, 1)); }

    static RaceDay* day_;
    std::unique_ptr<LiveDay> live_;
};
RaceDay* LiveOddsTables::day_ = nullptr;

TEST_F(LiveOddsTables, WinAndPlaceInEitherOrderWithTheMarketShareAndTheMarkersInWords) {
    RecordBuilder b = test::liveRecord(kO1Layout, "05261030");
    b.number(o1::SyussoTosu, 4).text(o1::TansyoFlag, "7").text(o1::FukusyoFlag, "7");
    // Horse 3 was scratched before the sale; horse 4 has no votes.
    const char* odds[] = {"0040", "0020", "----", "0000"};
    const int ninki[] = {2, 1, 0, 0};
    for (int i = 1; i <= 4; ++i) {
        b.number(o1::TanUmaban, i, i).text(o1::TanOdds, sjisBytes(odds[i - 1]), i);
        if (ninki[i - 1])
            b.number(o1::TanNinki, ninki[i - 1], i);
        else
            b.text(o1::TanNinki, i == 3 ? "--"_sjis : "00"_sjis, i);
        b.number(o1::FukuUmaban, i, i).number(o1::FukuOddsLow, 11 * i, i).number(o1::FukuOddsHigh, 15 * i, i);
    }
    apply(b.take());

    const OddsTable byNumber = winPlaceTable(race(), live(), WinPlaceOrder::number);
    ASSERT_EQ(byNumber.rows(), 5);
    EXPECT_EQ(u(byNumber.cell(5, 0)), "支持率");
    EXPECT_EQ(u(byNumber.cell(2, 1)), "ホース1");
    EXPECT_EQ(u(byNumber.cell(3, 1)), "4.0");
    // 1/4 : 1/2 of the runners with odds.
    EXPECT_EQ(u(byNumber.cell(5, 1)), "33.3%");
    EXPECT_EQ(u(byNumber.cell(5, 2)), "66.7%");
    EXPECT_EQ(u(byNumber.cell(3, 3)), "発売前取消");
    EXPECT_EQ(u(byNumber.cell(5, 3)), "");
    EXPECT_EQ(u(byNumber.cell(3, 4)), "票なし");
    EXPECT_EQ(u(byNumber.cell(6, 2)), "2.2-3.0");

    const OddsTable byPopularity = winPlaceTable(race(), live(), WinPlaceOrder::popularity);
    std::string order;
    for (int r = 1; r < byPopularity.rows(); ++r) order += u(byPopularity.cell(1, r)) + " ";
    EXPECT_EQ(order, "02 01 03 04 ") << "runners without a popularity last, in number order";
}

TEST_F(LiveOddsTables, WithoutLiveOddsTheRunnersStandWithEmptyCells) {
    const OddsTable table = winPlaceTable(race(), nullptr, WinPlaceOrder::popularity);
    ASSERT_EQ(table.rows(), 5);
    EXPECT_EQ(u(table.cell(1, 4)), "04");
    for (int c = 3; c < kWinPlaceCols; ++c) EXPECT_EQ(table.cell(c, 1), ""_sjis);
}

TEST_F(LiveOddsTables, PairOddsFillTheMatricesAboveTheDiagonal) {
    RecordBuilder o1 = test::liveRecord(kO1Layout, "05261030");
    o1.text(o1::WakurenKumi, "11", 1)
        .number(o1::WakurenOdds, 1234, 1)
        .text(o1::WakurenKumi, "38", 2)
        .text(o1::WakurenOdds, "*****", 2);
    apply(o1.take());
    RecordBuilder o2 = test::liveRecord(kO2Layout, "05261030");
    o2.text(o2::UmarenKumi, "0104", 1)
        .number(o2::UmarenOdds, 56, 1)
        .text(o2::UmarenKumi, "0118", 2)
        .number(o2::UmarenOdds, 99, 2);
    apply(o2.take());

    const OddsTable brackets = bracketQuinellaMatrix(live());
    ASSERT_EQ(brackets.cols, 9);
    ASSERT_EQ(brackets.rows(), 9);
    EXPECT_EQ(u(brackets.cell(1, 1)), "123.4");
    EXPECT_EQ(u(brackets.cell(8, 3)), "発売後取消");
    EXPECT_EQ(u(brackets.cell(3, 8)), "");
    EXPECT_EQ(u(brackets.cell(0, 8)), "8");

    const OddsTable quinella = quinellaMatrix(race(), live());
    ASSERT_EQ(quinella.cols, 5) << "as wide as the race's runners";
    EXPECT_EQ(u(quinella.cell(4, 1)), "5.6");
    EXPECT_EQ(u(quinella.cell(1, 4)), "");
}

// The list's column of texts under the header, each followed by "|".
std::string listColumn(const OddsTable& table, int col) {
    std::string texts;
    for (int r = 1; r < table.rows(); ++r) texts += u(table.cell(col, r)) + "|";
    return texts;
}

TEST_F(LiveOddsTables, CombinationOddsListTheFirstHundredByPopularityThenTheUnrankedInEntryOrder) {
    EXPECT_EQ(comboOddsList(race(), nullptr, ComboKind::exacta).rows(), 1) << "only the header without live odds";
    // 4 runners: the exacta's twelve entries 1-2 .. 4-3 lie at 1-3, 18-20, 35-37, 52-54.
    apply(test::exactaRecord("05261030", {{1, "0102", "000123", "003"},
                                          {2, "0103", "------", "---"},
                                          {3, "0104", "000045", "001"},
                                          {18, "0201", "000000", "000"},
                                          {19, "0203", "000078", "002"},
                                          {54, "0403", "000045", "001"},
                                          {55, "0405", "000011", "001"}}));
    const OddsTable exacta = comboOddsList(race(), live(), ComboKind::exacta);
    ASSERT_EQ(exacta.cols, kComboListCols);
    EXPECT_EQ(u(exacta.cell(1, 0)), "組番");
    EXPECT_EQ(listColumn(exacta, 1), "1→4|4→3|2→3|1→2|1→3|2→1|") << "4-5 names no runner of the race";
    EXPECT_EQ(listColumn(exacta, 0), "1|1|2|3|発売前取消|票なし|");
    EXPECT_EQ(listColumn(exacta, 2), "4.5|4.5|7.8|12.3|発売前取消|票なし|");

    RecordBuilder wide = test::liveRecord(kO3Layout, "05261030");
    wide.text(o3::Kumi, "0102", 1)
        .text(o3::OddsLow, "00012", 1)
        .text(o3::OddsHigh, "00018", 1)
        .text(o3::Ninki, "001", 1);
    wide.text(o3::Kumi, "0304", 17).text(o3::OddsLow, "*****", 17).text(o3::OddsHigh, "*****", 17);
    apply(wide.take());
    const OddsTable wides = comboOddsList(race(), live(), ComboKind::wide);
    EXPECT_EQ(listColumn(wides, 1), "1-2|3-4|");
    EXPECT_EQ(listColumn(wides, 2), "1.2-1.8|発売後取消|");
    EXPECT_EQ(u(comboKindName(ComboKind::trio)), "3連複");

    // A full trifecta of 18 runners: 4,896 ranked entries, the list holds the first hundred.
    race().TorokuTosu = "18";
    RecordBuilder trifecta = test::liveRecord(kO6Layout, "05261030");
    int i = 0;
    for (int a = 1; a <= 18; ++a)
        for (int b = 1; b <= 18; ++b)
            for (int c = 1; c <= 18; ++c) {
                if (a == b || a == c || b == c) continue;
                ++i;
                trifecta.text(o6::Kumi, formatted("%02d%02d%02d", a, b, c), i)
                    .number(o6::Odds, 100 + 4896 - i, i)
                    .number(o6::Ninki, 4897 - i, i);
            }
    apply(trifecta.take());
    const OddsTable trifectas = comboOddsList(race(), live(), ComboKind::trifecta);
    ASSERT_EQ(trifectas.rows(), kComboListRows + 1);
    EXPECT_EQ(u(trifectas.cell(1, 1)), "18→17→16");
    EXPECT_EQ(u(trifectas.cell(0, kComboListRows)), "100");
}

TEST(LiveOddsTexts, AnnounceClockOfASnapshot) {
    OddsSnapshot s;
    EXPECT_EQ(oddsAnnounceClock(s), ""_sjis);
    s.present = true;
    s.time.text = "05261042";
    EXPECT_EQ(oddsAnnounceClock(s), "10:42"_sjis);
    s.time.text = "00000000";
    EXPECT_EQ(oddsAnnounceClock(s), ""_sjis) << "final odds carry no time";
    EXPECT_EQ(liveOddsText(LiveNumber{LiveMark::garbled, 0}), ""_sjis);
}

}  // namespace
