// What changed in a race day's live state, told as lines a person reads:
// each scratch, exclusion, jockey, post-time and course change and its
// withdrawal, the weights once per weighing, the weather and the going,
// and the favourite only when it changes.

#include "raceday/live_changes.h"

#include <gtest/gtest.h>

#include "support/live_records.h"
#include "text/encoding.h"

using namespace vantor;
using namespace vantor::test;

namespace {

class LiveChangesTest : public ::testing::Test {
protected:
    void SetUp() override {
        before->reset("20240526");
        after->reset("20240526");
    }

    // The lines of one more answer; both states then hold it.
    std::vector<std::string> answer(LiveDataspec dataspec, std::initializer_list<SjisView> records, SjisView now) {
        const std::span<const SjisView> all(records.begin(), records.size());
        after->applyAnswer(dataspec, all);
        std::vector<SjisString> lines;
        liveChangeLines(*before, *after, now, lines);
        before->applyAnswer(dataspec, all);
        std::vector<std::string> utf8;
        for (const SjisString& l : lines) utf8.push_back(cp932ToUtf8(l));
        return utf8;
    }

    std::unique_ptr<LiveDay> before = LiveDay::create(), after = LiveDay::create();
};

using Lines = std::vector<std::string>;

SjisString o1WithFavourite(SjisView announce, int favourite, SjisView odds) {
    RecordBuilder b = liveRecord(kO1Layout, announce);
    b.number(o1::SyussoTosu, 3).text(o1::TansyoFlag, "7");
    for (int horse = 1; horse <= 3; ++horse) {
        const bool fav = horse == favourite;
        b.number(o1::TanUmaban, horse, horse)
            .text(o1::TanOdds, fav ? odds : SjisView("0150"), horse)
            .number(o1::TanNinki,
                    fav                            ? 1
                    : horse == 3 && favourite != 3 ? 3
                                                   : 2,
                    horse);
    }
    return b.take();
}

}  // namespace

TEST_F(LiveChangesTest, DayChangesAreToldOnceEachAndAWithdrawnOneSaysSo) {
    const SjisString undecided = jcRecord("05261050", 3, "00000", "未定");
    const SjisString scratch = avRecord("05261052", 7, "1", "001");
    const SjisString exclusion = avRecord("05261052", 8, "2", "002");
    const SjisString unset = avRecord("05261053", 9, "1", "000");
    const SjisString post = tcRecord("05261100", "1550", "1540");
    const SjisString first = weRecord("00000000", '1', '1', '1', '1');
    EXPECT_EQ(answer(LiveDataspec::dayChanges, {first, undecided, scratch, exclusion, unset, post}, "10:55"),
              (Lines{"10:50 東京 11R 3番 騎手変更 北原 → 未定 57.0kg", "10:52 東京 11R 7番 出走取消(疾病)",
                     "10:52 東京 11R 8番 競走除外(事故)", "10:53 東京 11R 9番 出走取消", "10:55 東京 天候 晴",
                     "10:55 東京 馬場 芝 良 ダート 良", "11:00 東京 11R 発走時刻変更 15:40 → 15:50"}));

    // The named jockey, the exclusion withdrawn, the going changed; the rest as it was.
    const SjisString named = jcRecord("05261058", 3, "01018", "武豊");
    const SjisString going = weRecord("05261100", '3', '0', '2', '2');
    EXPECT_EQ(answer(LiveDataspec::dayChanges, {first, undecided, named, scratch, unset, post, going}, "11:05"),
              (Lines{"10:58 東京 11R 3番 騎手変更 北原 → 武豊 57.0kg", "11:00 東京 馬場 芝 稍重 ダート 稍重",
                     "11:05 東京 11R 8番 競走除外を撤回"}));
    EXPECT_TRUE(
        answer(LiveDataspec::dayChanges, {first, undecided, named, scratch, unset, post, going}, "11:06").empty());

    EXPECT_EQ(answer(LiveDataspec::dayChanges, {first, named, scratch, unset, going}, "11:10"),
              (Lines{"11:10 東京 11R 発走時刻変更を撤回"}));
}

TEST_F(LiveChangesTest, WeightsOncePerWeighingAndTheFavouriteOnlyWhenItChanges) {
    RecordBuilder wh = liveRecord(kWhLayout, "05261440");
    wh.number(wh::Umaban, 1, 1).number(wh::BaTaijyu, 480, 1).text(wh::ZogenFugo, "+", 1).number(wh::ZogenSa, 4, 1);
    wh.number(wh::Umaban, 2, 2).number(wh::BaTaijyu, 474, 2).text(wh::ZogenFugo, "-", 2).number(wh::ZogenSa, 2, 2);
    wh.number(wh::Umaban, 3, 3).number(wh::BaTaijyu, 999, 3).text(wh::ZogenFugo, " ", 3).number(wh::ZogenSa, 999, 3);
    wh.number(wh::Umaban, 4, 4).number(wh::BaTaijyu, 0, 4).text(wh::ZogenFugo, " ", 4).text(wh::ZogenSa, "   ", 4);
    wh.number(wh::Umaban, 5, 5).number(wh::BaTaijyu, 452, 5).text(wh::ZogenFugo, " ", 5).text(wh::ZogenSa, "   ", 5);
    const SjisString weights = wh.take();
    EXPECT_EQ(answer(LiveDataspec::weights, {weights}, "14:45"),
              (Lines{"14:40 東京 11R 馬体重 1番 480(+4) 2番 474(-2) 3番 計不 4番 出走取消 5番 452"}));
    EXPECT_TRUE(answer(LiveDataspec::weights, {weights}, "14:50").empty());

    EXPECT_EQ(answer(LiveDataspec::odds, {o1WithFavourite("05261500", 3, "0024")}, "15:00"),
              (Lines{"15:00 東京 11R 単勝1番人気 3番 2.4倍"}));
    EXPECT_TRUE(answer(LiveDataspec::odds, {o1WithFavourite("05261510", 3, "0031")}, "15:10").empty())
        << "the favourite's odds moved, not the favourite";
    EXPECT_EQ(answer(LiveDataspec::odds, {o1WithFavourite("05261520", 1, "0029")}, "15:20"),
              (Lines{"15:20 東京 11R 単勝1番人気 1番 2.9倍"}));
    // Final odds carry no announce time: the time now.
    EXPECT_EQ(answer(LiveDataspec::odds, {o1WithFavourite("00000000", 2, "9999")}, "15:45"),
              (Lines{"15:45 東京 11R 単勝1番人気 2番 999.9倍"}));
}

// A course change names the surface of each track code: turf, dirt and
// jump codes by their word, a code of no surface (here "00") by its
// distance alone.
TEST_F(LiveChangesTest, ACourseChangeNamesTheSurfaceOfEachTrackCode) {
    const auto change = [](SjisView announce, const char* before, const char* after) {
        return liveRecord(kCcLayout, announce)
            .number(cc::Kyori, 2000)
            .text(cc::TrackCD, sjisBytes(after))
            .number(cc::KyoriBefore, 2400)
            .text(cc::TrackCDBefore, sjisBytes(before))
            .text(cc::JiyuCD, "3")
            .take();
    };
    EXPECT_EQ(answer(LiveDataspec::dayChanges, {change("05260800", "11", "24")}, "08:05"),
              (Lines{"08:00 東京 11R コース変更 芝2400m → ダート2000m"}));
    EXPECT_EQ(answer(LiveDataspec::dayChanges, {change("05260810", "59", "00")}, "08:15"),
              (Lines{"08:10 東京 11R コース変更 障害2400m → 2000m"}));
}
