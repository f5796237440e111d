#pragma once
// One figure of a record's rows as a horizontal bar chart in screen pixels:
// the title over the chart, a row per group with its label at the left and
// a bar whose length is the value's share of the axis, the value written at
// the bar's end, and a value axis below with its ticks. The axis runs from
// zero to the first round number (1, 2 or 5 times a power of ten) at or
// above the greatest value, so a bar of the greatest value is never longer
// than the plot.

#include <vector>

#include "painting/draw_ops.h"
#include "painting/text_measure.h"

namespace vantor::views {

inline constexpr draw::Rgb kBarColour{70, 110, 180};

struct BarChartRow {
    SjisString label;
    double value = 0;  // never below zero; a negative one is drawn as zero
    SjisString valueText;
};

struct BarChartInput {
    SjisString title;
    std::vector<BarChartRow> rows;
};

// The axis's end for the greatest value: 1, 2 or 5 times a power of ten,
// at least the value; 1 for none above zero.
double barAxisEnd(double greatest);

struct BarChart {
    draw::Ops ops;
    int plotLeft = 0, plotRight = 0;  // where zero and the axis's end lie
    double axisEnd = 1;
};

// The chart of input in width by height pixels; without rows, the title
// and a line that there is nothing to draw.
BarChart barChart(const BarChartInput& input, int width, int height, const draw::TextMeasure& measure);

}  // namespace vantor::views
