#include "painting/career_chart_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/ops_readers.h"
#include "text/encoding.h"

using namespace vantor;
using namespace vantor::views;
using test::opsOf;
using test::textsOf;

namespace {

constexpr int kWidth = 600, kHeight = 300;

stats::CareerRun run(int date, int finish, int field, bool started = true) {
    stats::CareerRun r;
    r.date = date;
    r.finish = finish;
    r.fieldSize = field;
    r.started = started;
    return r;
}

// The points (their centres and colours) in the order drawn.
struct Point {
    int x, y;
    draw::Rgb colour;
};
std::vector<Point> pointsOf(const draw::Ops& ops) {
    std::vector<Point> points;
    for (const auto& fill : opsOf<draw::Fill>(ops))
        if (fill.w == fill.h && fill.w < 10) points.push_back({fill.x + fill.w / 2, fill.y + fill.h / 2, fill.color});
    return points;
}

TEST(CareerChart, RunsArePlacedByDayAcrossAndByFinishDownTheChosenDayMarked) {
    // Newest first, as a career lists them: a scratch, a 3rd of 12, a 9th of
    // 16 half a year before, a win of 10 on the first day.
    const std::vector<stats::CareerRun> runs{run(20240301, 0, 14, false), run(20240101, 3, 12), run(20230703, 9, 16),
                                             run(20230101, 1, 10)};
    const CareerChart chart = careerChart(runs, 20230703, kWidth, kHeight, draw::screenMeasure());
    ASSERT_TRUE(chart.scale);
    const CareerChartScale& s = *chart.scale;
    EXPECT_EQ(s.lowest, 16) << "the largest field";

    // Oldest to newest, the scratch not drawn: the first on the left edge,
    // the last on the right, the middle one where its day falls.
    const auto points = pointsOf(chart.ops);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0].x, s.left);
    EXPECT_EQ(points[2].x, s.right);
    const double share =
        (*epochDay(20230703) - *epochDay(20230101)) / double(*epochDay(20240101) - *epochDay(20230101));
    EXPECT_NEAR(points[1].x, s.left + share * (s.right - s.left), 1);
    // 1st at the top, the 16th would be at the bottom, the 9th in between.
    EXPECT_EQ(points[0].y, s.top);
    EXPECT_NEAR(points[1].y, s.top + 8.0 / 15 * (s.bottom - s.top), 1);
    EXPECT_LT(points[2].y, points[1].y);
    EXPECT_EQ(points[0].colour, kCareerWin);
    EXPECT_EQ(points[1].colour, kCareerOther);
    EXPECT_EQ(points[2].colour, kCareerPlaced);

    // The chosen day's line goes through its run's point.
    const auto lines = opsOf<draw::Line>(chart.ops);
    const auto chosen =
        std::find_if(lines.begin(), lines.end(), [](const auto& l) { return l.color == kCareerChosen; });
    ASSERT_NE(chosen, lines.end());
    EXPECT_EQ(chosen->x1, points[1].x);
    EXPECT_EQ(chosen->x2, points[1].x);
    // The year 2024 starts at the last run: its label is centred there.
    const auto texts = textsOf(chart.ops);
    const auto year =
        std::find_if(texts.begin(), texts.end(), [](const auto& t) { return cp932ToUtf8(t.text) == "2024"; });
    ASSERT_NE(year, texts.end());
    EXPECT_NEAR(year->x + draw::screenMeasure().textWidth(year->font, year->text) / 2.0, points[2].x, 1);

    // Nothing drawn outside the chart.
    for (const auto& t : texts) {
        EXPECT_GE(t.x, 0);
        EXPECT_LE(t.y + draw::screenMeasure().lineHeight(t.font), kHeight);
    }
}

TEST(CareerChart, AStartWithoutAFinishBreaksTheLineAndARaceOfOneDayStillHasItsPointInside) {
    // A win, a pulled-up run, a 2nd: no line joins across the pulled-up run.
    const std::vector<stats::CareerRun> runs{run(20240301, 2, 8), run(20240201, 0, 8), run(20240101, 1, 8)};
    const CareerChart chart = careerChart(runs, 0, kWidth, kHeight, draw::screenMeasure());
    for (const auto& line : opsOf<draw::Line>(chart.ops))
        EXPECT_NE(line.color, kCareerOther) << "a joining line across the run without a finish";
    const auto texts = textsOf(chart.ops);
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const auto& t) { return cp932ToUtf8(t.text) == "×"; }));
    EXPECT_EQ(pointsOf(chart.ops).size(), 2u);

    // One run: its point is inside the plot, not on a zero-wide axis.
    const std::vector<stats::CareerRun> one{run(20240101, 4, 10)};
    const CareerChart single = careerChart(one, 20240101, kWidth, kHeight, draw::screenMeasure());
    ASSERT_TRUE(single.scale);
    const auto point = pointsOf(single.ops);
    ASSERT_EQ(point.size(), 1u);
    EXPECT_GT(point[0].x, single.scale->left);
    EXPECT_LT(point[0].x, single.scale->right);

    // No start at all: a text, no plot.
    const std::vector<stats::CareerRun> scratched{run(20240101, 0, 10, false)};
    const CareerChart empty = careerChart(scratched, 0, kWidth, kHeight, draw::screenMeasure());
    EXPECT_FALSE(empty.scale);
    EXPECT_TRUE(pointsOf(empty.ops).empty());
}

}  // namespace
