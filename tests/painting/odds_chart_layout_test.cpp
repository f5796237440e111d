#include "painting/odds_chart_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "painting/bracket_colours.h"
#include "support/live_records.h"
#include "support/ops_readers.h"
#include "text/encoding.h"

using namespace vantor;
using namespace vantor::views;
using test::opsOf;
using test::textsOf;

namespace {

constexpr int kWidth = 800, kHeight = 500;

std::string u(const SjisString& s) { return cp932ToUtf8(s); }

bool hasText(const draw::Ops& ops, const std::string& utf8) {
    const auto texts = textsOf(ops);
    return std::any_of(texts.begin(), texts.end(), [&](const draw::Text& t) { return u(t.text) == utf8; });
}

class OddsChartTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { day_ = RaceDay::create().release(); }
    static void TearDownTestSuite() { delete day_; }

    void SetUp() override {
        IniBtnClick(*day_);
        TRaceRec& r = race();
        r.RacePresent = 1;
        r.RaceKey = "2024052605021211";
        r.HassoTime = "1540";
        for (int j = 0; j < 3; ++j) r.Wakuban[j] = SjisString(1, static_cast<char>('2' + j));  // brackets 2, 3, 4
        live_ = LiveDay::create();
        live_->reset("20240526");
    }

    TRaceRec& race() { return day_->RaceTbl[0]; }
    void series(std::initializer_list<SjisString> records) {
        for (const SjisString& record : records) {
            const SjisView view = record;
            live_->applyAnswer(LiveDataspec::winOddsSeries, std::span(&view, 1));
        }
    }
    OddsChart chart() {
        return oddsChart(race(), live_->race("05", 11), "20240526", kWidth, kHeight, draw::screenMeasure());
    }

    static RaceDay* day_;
    std::unique_ptr<LiveDay> live_;
};
RaceDay* OddsChartTest::day_ = nullptr;

// The runner lines of a colour as their points in order.
std::vector<std::pair<int, int>> pathOf(const draw::Ops& ops, draw::Rgb colour) {
    std::vector<std::pair<int, int>> points;
    for (const draw::Line& l : opsOf<draw::Line>(ops)) {
        if (l.color != colour || l.width != 2) continue;
        if (points.empty()) points.emplace_back(l.x1, l.y1);
        EXPECT_EQ(points.back(), std::make_pair(l.x1, l.y1)) << "a runner's line is one path";
        points.emplace_back(l.x2, l.y2);
    }
    return points;
}

TEST_F(OddsChartTest, LinesRunThroughEveryAnnouncementAndEndAtTheLastWithTheNumber) {
    series({test::winOddsRecord("05261420", {"0035", "0120", "0400"}),
            test::winOddsRecord("05261500", {"0028", "0150", "0380"}),
            test::winOddsRecord("05261530", {"0024", "0180", "0410"})});
    const OddsChart c = chart();
    ASSERT_TRUE(c.scale);
    const OddsChartScale& s = *c.scale;
    // Time from the first announcement to the post, odds from the tick below
    // the lowest to the tick above the highest.
    EXPECT_EQ(s.x(*announceMinute("05261420", "20240526")), s.left);
    EXPECT_EQ(s.x(*clockMinute("1540", "20240526")), s.right);
    EXPECT_EQ(s.low, 20);
    EXPECT_EQ(s.high, 500);
    EXPECT_EQ(s.y(20), s.bottom);
    EXPECT_EQ(s.y(500), s.top);
    EXPECT_LT(s.y(100), s.y(50)) << "higher odds stand higher";

    const std::vector<std::pair<int, int>> first = pathOf(c.ops, *draw::bracketColour(2));
    ASSERT_EQ(first.size(), 3U);
    EXPECT_EQ(first[0], std::make_pair(s.x(*announceMinute("05261420", "20240526")), s.y(35)));
    EXPECT_EQ(first[2], std::make_pair(s.x(*announceMinute("05261530", "20240526")), s.y(24)));
    // The number beside the end of its line, in its colour.
    const auto texts = textsOf(c.ops);
    const auto one = std::find_if(texts.begin(), texts.end(), [](const draw::Text& t) {
        return u(t.text) == "1" && t.color == *draw::bracketColour(2);
    });
    ASSERT_NE(one, texts.end());
    EXPECT_EQ(one->x, first[2].first + 4);

    // Axes: odds and clock labels, the post and the snapshot's time.
    for (const char* label : {"2.0", "5.0", "10", "50", "15:00", "発走 15:40"})
        EXPECT_TRUE(hasText(c.ops, label)) << label;
    EXPECT_TRUE(hasText(c.ops, "東京11R 　単勝ｵｯｽﾞの推移　15:30 現在"));
}

TEST_F(OddsChartTest, FinalOddsAreMarkedAtThePostOnceTheResultsHaveThem) {
    series({test::winOddsRecord("05261500", {"0028", "0150"}), test::winOddsRecord("05261530", {"0024", "0180"})});
    EXPECT_TRUE(opsOf<draw::Frame>(chart().ops).size() == 1) << "no final odds yet: only the plot's frame";

    race().KekkaOdds[0] = 2.6;
    race().KekkaOdds[1] = 17.5;
    const OddsChart c = chart();
    const int post = c.scale->x(*clockMinute("1540", "20240526"));
    std::vector<std::pair<int, int>> marks;
    for (const draw::Fill& f : opsOf<draw::Fill>(c.ops))
        if (f.w == 7) marks.emplace_back(f.x + 3, f.y + 3);
    EXPECT_EQ(marks, (std::vector<std::pair<int, int>>{{post, c.scale->y(26)}, {post, c.scale->y(175)}}));
}

TEST_F(OddsChartTest, AScratchEndsItsLineAndAChangedPostTimeMovesThePost) {
    series({test::winOddsRecord("05261500", {"0028", "0150", "0400"}),
            test::winOddsRecord("05261510", {"0027", "----", "0410"}),
            test::winOddsRecord("05261520", {"0026", "----", "0420"})});
    const SjisString tc = test::liveRecord(jvdata::kTcLayout, "05261505")
                              .text(jvdata::tc::HassoTime, "1555")
                              .text(jvdata::tc::HassoTimeBefore, "1540")
                              .take();
    const SjisView view = tc;
    live_->applyAnswer(LiveDataspec::dayChanges, std::span(&view, 1));

    const OddsChart c = chart();
    EXPECT_EQ(pathOf(c.ops, *draw::bracketColour(3)).size(), 0U) << "one point draws no line";
    EXPECT_EQ(pathOf(c.ops, *draw::bracketColour(4)).size(), 3U);
    EXPECT_TRUE(hasText(c.ops, "2")) << "the scratched runner's number stays at its last odds";
    EXPECT_TRUE(hasText(c.ops, "発走 15:55"));
    EXPECT_EQ(c.scale->x(*clockMinute("1555", "20240526")), c.scale->right);
}

TEST_F(OddsChartTest, WithoutATimeSeriesTheChartSaysSo) {
    const OddsChart c = chart();
    EXPECT_FALSE(c.scale);
    EXPECT_TRUE(hasText(c.ops, "時系列ｵｯｽﾞはまだありません"));
}

TEST(OddsChartTimes, AnnounceTimesReadOnTheRaceDaysCalendar) {
    EXPECT_EQ(*announceMinute("05261001", "20240526") - *clockMinute("1000", "20240526"), 1);
    // A December announcement of a January race is of the year before.
    EXPECT_EQ(*clockMinute("0000", "20240105") - *announceMinute("12312330", "20240105"), 4 * 1440 + 30);
    for (const char* bad : {"0526", "0526 900", "13011000", "05262460", "00000000"})
        EXPECT_FALSE(announceMinute(sjisBytes(bad), "20240526")) << bad;
    EXPECT_FALSE(clockMinute("2500", "20240526"));
    EXPECT_FALSE(clockMinute("    ", "20240526"));
}

}  // namespace
