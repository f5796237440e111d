// The newspaper-style race page as data: header positions, the frame, the
// frame marks of the horse-number order, the group order's rows and group
// lines, and the previous-run columns.

#include "print/race_page.h"

#include <gtest/gtest.h>

#include "fixed_measure.h"
#include "page_ops.h"
#include "raceday/live_card.h"
#include "support/hand_day.h"
#include "support/live_records.h"
#include "text/formatted.h"

using namespace vantor;
using namespace vantor::test;
using print::RunnerOrder;

namespace {

const FixedMeasure measure;

// Row r's offset.
constexpr int v(int r) { return 126 * r; }

class RacePage : public ::testing::Test {
protected:
    HandDay hand;

    // Race slot 0 with `heads` runners, runner j in frame frames[j].
    TRaceRec& race(int number, int heads, std::initializer_list<const char*> frames = {}) {
        TRaceRec& rec = hand.addRace(0, "05", number, heads);
        int j = 0;
        for (const char* frame : frames) {
            HandRunner h;
            h.name = "ウマ" + std::to_string(j + 1);
            h.bracket = frame;
            hand.addRunner(0, j, h);
            rec.Umaban[static_cast<std::size_t>(j)] = formatted("%d", j + 1);
            ++j;
        }
        return rec;
    }
    draw::Page page(RunnerOrder order = RunnerOrder::number) { return print::racePage(hand.day(), 0, order, measure); }
};

TEST_F(RacePage, HeaderTextsStandWhereTheCardPutsThem) {
    race(9, 1, {"1"}).HassoTime = "1540";
    draw::Page p = page();
    EXPECT_EQ(textAt(p, 100, 95), "東京");
    EXPECT_EQ(textAt(p, 300, 90), "2024年 5月26日東京 2回 2日");
    EXPECT_EQ(textAt(p, 900, 90), "15時40分発走");
    EXPECT_EQ(textAt(p, 210, 220), "ﾚｰｽ");
    const auto number = textOpAt(p, 120, 175);
    ASSERT_TRUE(number);
    EXPECT_EQ(number->text, "9"_sjis);
    EXPECT_EQ(number->color, draw::kWhite);
    EXPECT_EQ(number->font.size, 20);

    race(10, 1, {"1"});
    p = page();
    EXPECT_EQ(textAt(p, 105, 175), "10");
    EXPECT_FALSE(textAt(p, 120, 175));
}

// The frames drawn from the table's top: the heading band, then the outer frame.
std::vector<draw::Frame> tableFrames(const draw::Page& p) {
    std::vector<draw::Frame> out;
    for (const draw::Frame& f : opsOf<draw::Frame>(p.ops))
        if (f.x == 100 && f.y == 280) out.push_back(f);
    return out;
}

TEST_F(RacePage, TheFrameReachesTheLastRow) {
    race(1, 18);
    const auto frames = tableFrames(page());
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].y + frames[0].h, 406);
    EXPECT_EQ(frames[1].y + frames[1].h, 2674);
    EXPECT_EQ(frames[1].x + frames[1].w, 1990);

    race(1, 1, {"1"});
    const draw::Page one = page();
    EXPECT_EQ(tableFrames(one)[1].y + tableFrames(one)[1].h, 532);
    EXPECT_EQ(textAt(one, 205, v(1) + 333), "ウマ1");
    EXPECT_EQ(textsInRow(one, v(2)), 0);
}

TEST_F(RacePage, RunnersOfOneFrameShareItsMarks) {
    race(1, 3, {"1", "1", "2"});
    const draw::Page p = page();
    EXPECT_EQ(textAt(p, 110, v(1) + 300), "白");
    EXPECT_EQ(textAt(p, 115, v(1) + 350), "1");
    EXPECT_FALSE(textAt(p, 110, v(2) + 300));
    EXPECT_FALSE(textAt(p, 115, v(2) + 350));
    EXPECT_EQ(textAt(p, 110, v(3) + 300), "黒");
    // A thin line from x = 150 over the second runner of the frame, heavy
    // lines over the frames' first rows.
    const auto thin = rulesAt(p, 280 + v(2), 1);
    ASSERT_EQ(thin.size(), 1u);
    EXPECT_EQ(thin[0].x1, 150);
    EXPECT_EQ(rulesAt(p, 280 + v(1), 12).size(), 1u);
    EXPECT_EQ(rulesAt(p, 280 + v(3), 12).size(), 1u);
    // One box per frame.
    int boxes = 0;
    for (const draw::Frame& f : opsOf<draw::Frame>(p.ops)) boxes += f.x == 110 && f.w == 30;
    EXPECT_EQ(boxes, 2);
}

TEST_F(RacePage, GroupOrderPlacesRowsByRankAndDrawsGroupLines) {
    race(1, 4, {"1", "2", "3", "4"});
    TRaceMarkRec& m = hand.marks(0);
    const char* keys[] = {"b0001", "a0002", "c0003", "b0004"};
    const int ranks[] = {2, 1, 4, 3};
    for (std::size_t j = 0; j < 4; ++j) {
        m.SortKey[j] = sjisBytes(keys[j]);
        m.SortRank[j] = ranks[j];
    }
    const draw::Page p = page(RunnerOrder::group);
    EXPECT_EQ(textAt(p, 205, v(1) + 333), "ウマ2");
    EXPECT_EQ(textAt(p, 205, v(2) + 333), "ウマ1");
    EXPECT_EQ(textAt(p, 205, v(4) + 333), "ウマ3");
    EXPECT_EQ(textAt(p, 162, v(1) + 350), "a");
    // Every row shows its frame.
    EXPECT_EQ(textAt(p, 110, v(4) + 300), "赤");
    // Groups a (1), b (2), c (1): heavy lines below rows 1, 3 and 4, the
    // empty groups d and e on the last.
    EXPECT_EQ(rulesAt(p, 280 + v(2), 12).size(), 1u);
    EXPECT_EQ(rulesAt(p, 280 + v(4), 12).size(), 1u);
    EXPECT_EQ(rulesAt(p, 280 + v(5), 12).size(), 3u);
    EXPECT_EQ(rulesAt(p, 280 + v(3), 12).size(), 0u);
}

TEST_F(RacePage, PreviousRunsFillTheirColumns) {
    TRaceRec& rec = race(1, 1, {"1"});
    // Run 1 without a racecourse; run 2 at Nakayama.
    rec.RunKey[0][1] = "20240401  0101";
    rec.RunKey[0][2] = "2024031006020801";
    rec.RunRyaku[0][2] = utf8ToCp932("弥生賞");
    rec.RunTosu[0][2] = 16;
    rec.RunUmaban[0][2] = 5;
    rec.RunKyori[0][2] = 2000;
    rec.RunTrackCd[0][2] = "17";
    rec.RunTenkoCd[0][2] = "1";
    rec.RunBabaCd[0][2] = "2";
    rec.RunTime[0][2] = "2015";
    rec.RunAgari[0][2] = "345";
    rec.RunSyokin[0][2] = 123450;
    rec.RunChakujun[0][2] = 3;
    rec.RunOdds[0][1] = "0123";
    const int x1 = 893, x2 = 1113;
    draw::Page p = page();
    for (const draw::Text& t : textsOf(p.ops)) EXPECT_FALSE(t.x >= x1 && t.x < x2 && t.y > 406) << u(t.text);
    EXPECT_EQ(textAt(p, x2, v(1) + 282), "2中山 03.10 弥生賞");
    EXPECT_EQ(textAt(p, x2, v(1) + 302), "16頭⑤2000芝右晴稍重");
    EXPECT_EQ(textAt(p, x2, v(1) + 362), " 12,345千円  ");
    EXPECT_EQ(textAt(p, 853 + 440, v(1) + 357), " 3");
    EXPECT_EQ(textAt(p, 673 + 440, 382), "前走-2");

    // With the race's payouts in, the first column's sixth line is final odds.
    rec.RunKey[0][1] = "2024040105010101";
    rec.HrLoaded = 1;
    p = page();
    EXPECT_EQ(textAt(p, x1, v(1) + 382), "　 12.3倍");
    rec.HrLoaded = 0;
    rec.RunAiteUma[0][1] = utf8ToCp932("アイテ");
    rec.RunTimeSa[0][1] = "+012";
    EXPECT_EQ(textAt(page(), x1, v(1) + 382), "アイテ+ 1.2");
}

TEST_F(RacePage, AnUnknownRacecourseLeavesBlanksNotAnotherRacesName) {
    TRaceRec& rec = race(2, 1, {"1"});
    rec.RaceKey = "20240526ZZ021202";
    rec.RunKey[0][1] = "20240401ZZ010101";
    const draw::Page p = page();
    const auto course = textAt(p, 100, 95);
    EXPECT_TRUE(!course || course->find("東京") == std::string::npos);
    EXPECT_EQ(textAt(p, 300, 90), "2024年 5月26日 2回 2日");
    EXPECT_EQ(textAt(p, 893, v(1) + 282).value_or("").rfind("1 04.01", 0), 0u);
}

}  // namespace

TEST_F(RacePage, AUserMarkStandsLeftOfTheNameInEitherOrderAndTheNoteIsCutToTheHeader) {
    race(11, 2, {"1", "2"});
    hand.marks(0).SortRank[0] = 2;
    hand.marks(0).SortRank[1] = 1;
    print::PrintedRaceMarks marks;
    marks.marks[1] = utf8ToCp932("◎");
    for (int n = 0; n < 200; ++n) marks.note += utf8ToCp932("印");

    draw::Page p = print::racePage(hand.day(), 0, RunnerOrder::number, measure, &marks);
    EXPECT_EQ(textAt(p, 205, v(2) + 330), "◎");
    EXPECT_EQ(textAt(p, 245, v(2) + 333), "ウマ2") << "the name moves right of its mark";
    EXPECT_EQ(textAt(p, 205, v(1) + 333), "ウマ1") << "an unmarked name stays";
    const std::string note = textAt(p, 300, 258).value_or("");
    EXPECT_EQ(utf8ToCp932(note).size(), 126u) << "cut to the 1350 units beside the prize table, on a character";
    EXPECT_EQ(utf8ToCp932(note), marks.note.view().substr(0, 126));

    p = print::racePage(hand.day(), 0, RunnerOrder::group, measure, &marks);
    EXPECT_EQ(textAt(p, 205, v(1) + 330), "◎") << "horse 2 leads the group order";
    EXPECT_EQ(textAt(p, 245, v(1) + 333), "ウマ2");
}

namespace {

// The day's live state in race 9, slot 0: horse 1 scratched, horse 2 with a new jockey.
void announce(RaceDay& day) {
    day.live().reset("20240526");
    const SjisString scratch = avRecord("05261010", 1, "1", "002");
    const SjisString jockey = liveRecord(kJcLayout, "05261042", 9)
                                  .number(jc::Umaban, 2)
                                  .number(jc::Futan, 550)
                                  .text(jc::KisyuName, sjis("新井"))
                                  .text(jc::KisyuNameBefore, sjis("北原"))
                                  .take();
    const SjisString scratch9 =
        liveRecord(kAvLayout, "05261010", 9, "05", "1").number(av::Umaban, 1).text(av::JiyuKubun, "002").take();
    const SjisView changes[] = {scratch, jockey, scratch9};
    day.live().applyAnswer(LiveDataspec::dayChanges, changes);
    const SjisString odds = winOddsRecord("05261030", {"----", "0035", "0120"}, "1", 9, {0, 1, 2});
    const SjisView o1(odds);
    day.live().applyAnswer(LiveDataspec::odds, std::span(&o1, 1));
    day.RaceCount = 1;
    fillLiveCard(day);
}

}  // namespace

TEST_F(RacePage, AScratchAndAJockeyChangeInOneRacePrintWithTheTimeOfTheLatestAnnouncement) {
    race(9, 3, {"1", "2", "3"}).HassoTime = "1540";
    for (int j = 0; j < 3; ++j) hand.day().RaceTbl[0].KisyuName[static_cast<std::size_t>(j)] = sjis("騎手");
    const draw::Page plain = page();
    announce(hand.day());
    const draw::Page p = page();
    EXPECT_EQ(textAt(p, 1250, 90), "速報 10:42 現在") << "the jockey change is the race's latest news";
    EXPECT_EQ(textAt(p, 300, 170), " 2頭") << "the scratch is left out of the count";
    EXPECT_EQ(textAt(p, 505, v(1) + 337), "取消 事故");
    EXPECT_EQ(textAt(p, 505, v(2) + 337), "3.5倍 1人");
    EXPECT_EQ(textAt(p, 640, v(2) + 285), "替 新井");
    EXPECT_EQ(textOpAt(p, 640, v(2) + 285)->color, draw::kRed);
    EXPECT_EQ(textAt(p, 640, v(2) + 310), "55.0kg");
    EXPECT_EQ(textAt(p, 640, v(2) + 330), "旧 北原");
    EXPECT_EQ(textAt(p, 640, v(3) + 285), "騎手") << "no change, the card's jockey";

    // The same race with nothing announced prints as before.
    hand.day().live().reset("20240526");
    IniBtnClick(hand.day());
    race(9, 3, {"1", "2", "3"}).HassoTime = "1540";
    for (int j = 0; j < 3; ++j) hand.day().RaceTbl[0].KisyuName[static_cast<std::size_t>(j)] = sjis("騎手");
    hand.day().RaceCount = 1;
    fillLiveCard(hand.day());
    EXPECT_TRUE(page().ops == plain.ops);
    EXPECT_FALSE(textAt(plain, 1250, 90));
}
