#include "painting/bar_chart_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "support/ops_readers.h"
#include "text/encoding.h"
#include "text/formatted.h"

using namespace vantor;
using namespace vantor::views;
using test::opsOf;
using test::textsOf;

namespace {

constexpr int kWidth = 600, kHeight = 300;

// Seven pixels a byte, lines of 14: positions a test can reckon.
class FixedMeasure final : public draw::TextMeasure {
public:
    int lineHeight(const draw::Font&) const override { return 14; }
    int textWidth(const draw::Font&, SjisView text) const override { return 7 * static_cast<int>(text.size()); }
};
const FixedMeasure measure;

std::vector<draw::Fill> bars(const draw::Ops& ops) {
    std::vector<draw::Fill> out;
    for (const auto& fill : opsOf<draw::Fill>(ops))
        if (fill.color == kBarColour) out.push_back(fill);
    return out;
}

const draw::Text* textOf(const draw::Ops& ops, const std::string& utf8, std::vector<draw::Text>& keep) {
    keep = textsOf(ops);
    const auto found =
        std::find_if(keep.begin(), keep.end(), [&](const draw::Text& t) { return cp932ToUtf8(t.text) == utf8; });
    return found == keep.end() ? nullptr : &*found;
}

BarChartInput input(std::initializer_list<std::pair<const char*, double>> rows) {
    BarChartInput in;
    in.title = utf8ToCp932("勝率 騎手");
    for (const auto& [label, value] : rows) in.rows.push_back({utf8ToCp932(label), value, formatted("%f", value)});
    return in;
}

}  // namespace

TEST(BarChartLayout, TheAxisEndsAtTheFirstRoundNumberAtOrAboveTheGreatestValue) {
    EXPECT_EQ(barAxisEnd(100), 100);
    EXPECT_EQ(barAxisEnd(100.5), 200);
    EXPECT_EQ(barAxisEnd(35), 50);
    EXPECT_EQ(barAxisEnd(150), 200) << "a return rate above 100% widens the axis";
    EXPECT_DOUBLE_EQ(barAxisEnd(0.3), 0.5);
    EXPECT_EQ(barAxisEnd(0), 1) << "all zero draws no bar, yet an axis";
}

TEST(BarChartLayout, BarsAreAsLongAsTheirValuesShareOfTheAxisAndZeroDrawsNone) {
    const BarChart chart =
        barChart(input({{"東京", 25}, {"中山", 50}, {"京都", 0}, {"阪神", 100}}), kWidth, kHeight, measure);
    EXPECT_EQ(chart.axisEnd, 100);
    const auto drawn = bars(chart.ops);
    ASSERT_EQ(drawn.size(), 3u) << "no bar for the zero row";
    const int plot = chart.plotRight - chart.plotLeft;
    EXPECT_EQ(drawn[0].w, std::lround(plot / 4.0));
    EXPECT_EQ(drawn[1].w, std::lround(plot / 2.0));
    EXPECT_EQ(drawn[2].w, plot) << "100% fills the plot";
    EXPECT_LT(drawn[0].y, drawn[1].y) << "rows top to bottom in the order given";
    EXPECT_LT(drawn[1].y, drawn[2].y);

    // Each label ends at the same place left of the plot, each value just right of its bar's end.
    std::vector<draw::Text> keep;
    const draw::Text* tokyo = textOf(chart.ops, "東京", keep);
    ASSERT_TRUE(tokyo);
    EXPECT_LT(tokyo->x + measure.textWidth({}, tokyo->text), chart.plotLeft);
    const draw::Text* zero = textOf(chart.ops, "0.000000", keep);
    ASSERT_TRUE(zero) << "a zero row still shows its value";
    const draw::Text* full = textOf(chart.ops, "100.000000", keep);
    ASSERT_TRUE(full);
    EXPECT_GT(full->x, chart.plotRight) << "the value of a full bar is past the plot";
    // The ticks in round steps: 0, 20, ... 100.
    for (const char* tick : {"0", "20", "40", "60", "80", "100"}) EXPECT_TRUE(textOf(chart.ops, tick, keep)) << tick;
}

TEST(BarChartLayout, AnEmptyTableOrATinyPaneDrawsTheTitleAndNoBar) {
    const BarChart empty = barChart(input({}), kWidth, kHeight, measure);
    EXPECT_TRUE(bars(empty.ops).empty());
    std::vector<draw::Text> keep;
    EXPECT_TRUE(textOf(empty.ops, "勝率 騎手", keep));
    EXPECT_TRUE(textOf(empty.ops, "集計する成績がありません", keep));

    // Many rows in a pane too small for them: every bar still inside the pane, none negative.
    BarChartInput many = input({});
    for (int i = 0; i < 40; ++i) many.rows.push_back({SjisString("x"), 10.0 * i, SjisString("v")});
    const BarChart tiny = barChart(many, 40, 20, measure);
    for (const auto& bar : bars(tiny.ops)) {
        EXPECT_GE(bar.h, 1);
        EXPECT_LE(bar.x + bar.w, tiny.plotRight);
    }
}
