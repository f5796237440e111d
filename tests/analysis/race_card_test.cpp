#include "analysis/race_card.h"

#include <gtest/gtest.h>

#include "text/encoding.h"
#include "text/formatted.h"

using namespace vantor;

namespace {

std::string u(const SjisString& s) { return cp932ToUtf8(s); }
std::array<SjisString, 3> label(SjisView combination, SjisView popularity, SjisView payout) {
    return {SjisString(combination), SjisString(popularity), SjisString(payout)};
}

class RaceCardTest : public ::testing::Test {
protected:
    RaceCardTest() {
        IniBtnClick(*day);
        TRaceRec& r = rec();
        r.RacePresent = 1;
        r.RaceKey = "2024052605021211";
        r.GradeCd = "A";
        r.JyuryoCd = "3";
        r.JokenCd = "005";
        r.TrackCd = "11";
        r.Kyori = "2400";
        r.HassoTime = "1540";
        r.TorokuTosu = "02";
        r.RaceName = utf8ToCp932("東京優駿");
        for (std::size_t j = 0; j < 2; ++j) {
            r.Wakuban[j] = formatted("%zu", j + 1);
            r.Umaban[j] = formatted("0%zu", j + 1);
            r.SexCd[j] = "1";
            r.BanusiName[j] = utf8ToCp932("　山田　太郎  ");
            r.ChokName[j] = utf8ToCp932("藤沢和  ");
        }
    }
    TRaceRec& rec() { return day->RaceTbl[3]; }

    std::unique_ptr<RaceDay> day = RaceDay::create();
};

}  // namespace

TEST_F(RaceCardTest, HeaderLabels) {
    const RaceHeaderTexts h = raceHeaderTexts(rec());
    EXPECT_EQ(u(h.grade), "G1   ");
    EXPECT_EQ(u(h.course), "東京  ");
    EXPECT_EQ(h.raceNumber, "11"_sjis);
    EXPECT_EQ(u(h.dateLine), "2024年 5月26日東京 2回12日");
    EXPECT_EQ(u(h.raceName), "東京優駿");
    EXPECT_EQ(u(h.weightType), "馬齢　");
    EXPECT_EQ(u(h.raceClass), " 500万円下");
    EXPECT_EQ(u(h.track), "芝左");
    EXPECT_EQ(u(h.distance), "2400m");
    EXPECT_EQ(u(h.startTime), "15時40分発走");
    EXPECT_EQ(u(h.headCount), " 2頭");
}

TEST_F(RaceCardTest, ClassGradeWeightAndTrackTables) {
    const auto cls = [&](const char* code) {
        rec().JokenCd = sjisBytes(code);
        return u(raceHeaderTexts(rec()).raceClass);
    };
    EXPECT_EQ(cls("016"), "1600万円下");
    EXPECT_EQ(cls("100"), "1億円下   ");
    EXPECT_EQ(cls("000"), "　　　　　");
    EXPECT_EQ(cls("   "), "　　　　　");
    EXPECT_EQ(cls("701"), "新馬　　　");
    EXPECT_EQ(cls("999"), "ｵｰﾌﾟﾝ　　 ");
    const auto track = [&](int code) {
        rec().TrackCd = formatted("%d", code);
        return u(raceHeaderTexts(rec()).track);
    };
    EXPECT_EQ(track(10), "芝直");
    EXPECT_EQ(track(16), "芝左");
    EXPECT_EQ(track(17), "芝右");
    EXPECT_EQ(track(22), "芝右");
    EXPECT_EQ(track(23), "ﾀﾞ左");
    EXPECT_EQ(track(24), "ﾀﾞ右");
    EXPECT_EQ(track(29), "ﾀﾞ直");
    EXPECT_EQ(track(51), "障害");
    EXPECT_EQ(track(59), "障害");
    for (int none : {0, 9, 25, 28, 30, 50, 60}) EXPECT_EQ(track(none), "") << none;
    rec().GradeCd = "Z";
    EXPECT_EQ(u(raceHeaderTexts(rec()).grade), "一般競走");
    rec().JyuryoCd = "5";
    EXPECT_EQ(u(raceHeaderTexts(rec()).weightType), "");
}

TEST_F(RaceCardTest, PayoutLabelsSkipEmptyEntries) {
    TRaceRec& r = rec();
    r.TanUmaban[1] = 3;  // a dead heat: two winners
    r.TanNinki[1] = 1;
    r.TanPay[1] = 250;
    r.TanUmaban[2] = 7;
    r.TanNinki[2] = 0;  // no popularity: empty label, payout still shown
    r.TanPay[2] = 1210;
    r.WakurenKumi[1] = " 0- 0";
    r.WakurenPay[1] = 999;
    r.UmarenKumi[1] = " 3- 7";
    r.UmarenNinki[1] = 12;
    r.UmarenPay[1] = 4560;
    r.WideKumi[7] = " 1- 2";
    r.WidePay[7] = 100;
    const PayoutLabelTexts p = payoutLabelTexts(r);
    EXPECT_EQ(p[0], label(" 3", " 1", "     250"));
    EXPECT_EQ(p[1], label(" 7", "", "    1210"));
    EXPECT_EQ(p[2], (std::array<SjisString, 3>{}));
    EXPECT_EQ(p[8], (std::array<SjisString, 3>{}));  // " 0- 0" is no entry
    EXPECT_EQ(p[11], label(" 3- 7", "12", "    4560"));
    EXPECT_EQ(p[20], label(" 1- 2", "", "     100"));
}

TEST_F(RaceCardTest, WeekCellsAlwaysHaveOneWidth) {
    EXPECT_EQ(u(weekSlotText("20240301", 56, 2)), "2024.03.01 *56日  2着");
    EXPECT_EQ(u(weekSlotText("20240301", 55, 0)), "2024.03.01  55日     ");
    EXPECT_EQ(u(weekSlotText("", 0, 0)), std::string(10, ' ') + "  " + "    " + " " + "    ");
    EXPECT_EQ(weekSlotText("20240301", 7, 11).size(), weekSlotText("", 0, 0).size());
}

TEST_F(RaceCardTest, GridRowsAndSameOwnerNames) {
    day->MarkTbl[3].SameBanusi[0] = 1;
    day->MarkTbl[3].SameChok[1] = 1;
    day->MarkTbl[3].SortRank[1] = 1;
    rec().YozRank[0] = 2;
    rec().YozOdds[0] = 12.25;
    rec().Barei[0] = "  ";
    rec().UserMark[1] = "\x81\x9b"_sjis;  // ○, as the marks file put it in
    const RaceCardTexts card = assembleRaceCard(*day, 3);
    ASSERT_EQ(card.runners, 2);
    EXPECT_EQ(card.signRows[0][kSignUserMarkColumn], ""_sjis);
    EXPECT_EQ(u(card.signRows[1][kSignUserMarkColumn]), "○");
    EXPECT_EQ(u(card.checkRows[1][kCheckUserMarkColumn]), "○");
    EXPECT_EQ(u(card.signRows[0][3]), "山田太");  // trimmed, no full-width blanks, six bytes
    EXPECT_EQ(card.signRows[1][3], ""_sjis);
    EXPECT_EQ(u(card.signRows[1][4]), "藤沢和");
    EXPECT_EQ(u(card.signRows[0][6]), "牡  ");  // a blank age stays two blanks
    EXPECT_EQ(card.signRows[0][10], " 12.2"_sjis);
    EXPECT_EQ(card.signRows[0][11], " 2"_sjis);
    EXPECT_EQ(card.signRows[1][10], ""_sjis);
    EXPECT_EQ(card.checkRows[0][kCheckFirstWeekColumn].size(), 21u);
    EXPECT_TRUE(card.incompleteMessage.empty());

    rec().Wakuban[1] = " ";
    EXPECT_EQ(u(assembleRaceCard(*day, 3).incompleteMessage), "東京11Rはデータ作成が未完了です。");
}
