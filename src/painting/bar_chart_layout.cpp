#include "painting/bar_chart_layout.h"

#include <algorithm>
#include <cmath>

#include "painting/fonts.h"
#include "text/formatted.h"
#include "text/sjis_literal.h"

namespace vantor::views {
namespace {

using draw::Rgb;

constexpr int kMargin = 8, kLabelGap = 8, kValueGap = 4, kMaxBand = 28, kTickLength = 4;
constexpr Rgb kGrid{220, 220, 220};
constexpr Rgb kAxis{96, 96, 96};

draw::Font chartFont() { return {std::string(kGothicFamily), 12, false, false}; }

// A tick value as few digits as it needs: "0", "25", "2.5", "0.2".
SjisString tickLabel(double value) {
    if (std::abs(value - std::round(value)) < 1e-9) return formatted("%.0f", value);
    return formatted("%g", value);
}

}  // namespace

double barAxisEnd(double greatest) {
    if (!(greatest > 0)) return 1;
    double power = std::pow(10.0, std::floor(std::log10(greatest)));
    for (;;) {
        for (const double step : {1.0, 2.0, 5.0})
            if (step * power >= greatest * (1 - 1e-12)) return step * power;
        power *= 10;
    }
}

BarChart barChart(const BarChartInput& input, int width, int height, const draw::TextMeasure& measure) {
    BarChart chart;
    draw::Ops& ops = chart.ops;
    const draw::Font font = chartFont();
    const int lineHeight = measure.lineHeight(font);
    ops.push_back(draw::Fill{0, 0, width, height, draw::kWhite});
    ops.push_back(draw::Text{kMargin, kMargin, input.title, font, draw::kBlack, std::nullopt});
    if (input.rows.empty()) {
        ops.push_back(
            draw::Text{kMargin, kMargin + 2 * lineHeight, sjis("集計する成績がありません"), font, kAxis, std::nullopt});
        return chart;
    }

    double greatest = 0;
    int labelWidth = 0, valueWidth = 0;
    for (const BarChartRow& row : input.rows) {
        greatest = std::max(greatest, row.value);
        labelWidth = std::max(labelWidth, measure.textWidth(font, row.label));
        valueWidth = std::max(valueWidth, measure.textWidth(font, row.valueText));
    }
    chart.axisEnd = barAxisEnd(greatest);
    const int top = kMargin + lineHeight + kMargin;
    const int bottom = std::max(top + 1, height - kMargin - lineHeight - kTickLength);
    chart.plotLeft = kMargin + labelWidth + kLabelGap;
    chart.plotRight = std::max(chart.plotLeft + 1, width - kMargin - valueWidth - kValueGap);
    const int plotWidth = chart.plotRight - chart.plotLeft;

    // Ticks: the axis's end in four or five round steps.
    const double first = chart.axisEnd / std::pow(10.0, std::floor(std::log10(chart.axisEnd) + 1e-9));
    const int steps = std::lround(first) == 2 ? 4 : 5;
    for (int i = 0; i <= steps; ++i) {
        const int x = chart.plotLeft + static_cast<int>(std::lround(plotWidth * static_cast<double>(i) / steps));
        ops.push_back(draw::Line{x, top, x, bottom, kGrid, 1});
        ops.push_back(draw::Line{x, bottom, x, bottom + kTickLength, kAxis, 1});
        const SjisString label = tickLabel(chart.axisEnd * i / steps);
        ops.push_back(
            draw::Text{x - measure.textWidth(font, label) / 2, bottom + kTickLength, label, font, kAxis, std::nullopt});
    }
    ops.push_back(draw::Line{chart.plotLeft, bottom, chart.plotRight, bottom, kAxis, 1});
    ops.push_back(draw::Line{chart.plotLeft, top, chart.plotLeft, bottom, kAxis, 1});

    const int rows = static_cast<int>(input.rows.size());
    const int band = std::max(1, std::min(kMaxBand, (bottom - top) / rows));
    const int barHeight = std::max(1, band * 2 / 3);
    for (int i = 0; i < rows; ++i) {
        const BarChartRow& row = input.rows[static_cast<std::size_t>(i)];
        const int bandTop = top + i * band;
        const int textY = bandTop + (band - lineHeight) / 2;
        ops.push_back(draw::Text{chart.plotLeft - kLabelGap - measure.textWidth(font, row.label), textY, row.label,
                                 font, draw::kBlack, std::nullopt});
        const double share = std::clamp(row.value / chart.axisEnd, 0.0, 1.0);
        const int length = static_cast<int>(std::lround(share * plotWidth));
        if (length > 0)
            ops.push_back(draw::Fill{chart.plotLeft, bandTop + (band - barHeight) / 2, length, barHeight, kBarColour});
        ops.push_back(
            draw::Text{chart.plotLeft + length + kValueGap, textY, row.valueText, font, draw::kBlack, std::nullopt});
    }
    return chart;
}

}  // namespace vantor::views
