#include "painting/career_chart_layout.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

#include "painting/fonts.h"
#include "text/formatted.h"
#include "text/sjis_literal.h"

namespace vantor::views {
namespace {

using draw::Rgb;

constexpr Rgb kRule{224, 224, 224};
constexpr Rgb kFrame{96, 96, 96};
constexpr int kPoint = 7;  // a point's square, odd so that it centres on its pixel

draw::Font chartFont() { return {std::string(kGothicFamily), 12, false, false}; }

Rgb pointColour(int finish) {
    if (finish == 1) return kCareerWin;
    return finish <= 3 ? kCareerPlaced : kCareerOther;
}

}  // namespace

std::optional<int> epochDay(int yyyymmdd) {
    const std::chrono::year_month_day date{std::chrono::year(yyyymmdd / 10000),
                                           std::chrono::month(static_cast<unsigned>(yyyymmdd / 100 % 100)),
                                           std::chrono::day(static_cast<unsigned>(yyyymmdd % 100))};
    if (yyyymmdd <= 0 || !date.ok()) return std::nullopt;
    return static_cast<int>(std::chrono::sys_days(date).time_since_epoch().count());
}

int CareerChartScale::x(int yyyymmdd) const {
    const int day = epochDay(yyyymmdd).value_or(firstDay);
    const double share = static_cast<double>(day - firstDay) / std::max(1, lastDay - firstDay);
    return left + static_cast<int>(std::lround(share * (right - left)));
}

int CareerChartScale::y(int finish) const {
    const int held = std::clamp(finish, 1, lowest);
    const double share = static_cast<double>(held - 1) / std::max(1, lowest - 1);
    return top + static_cast<int>(std::lround(share * (bottom - top)));
}

CareerChart careerChart(std::span<const stats::CareerRun> runs, int chosenDate, int width, int height,
                        const draw::TextMeasure& measure) {
    CareerChart chart;
    draw::Ops& ops = chart.ops;
    const draw::Font font = chartFont();
    const int lineHeight = measure.lineHeight(font);
    ops.push_back(draw::Fill{0, 0, width, height, draw::kWhite});
    ops.push_back(draw::Text{8, 6, sjis("着順の推移"), font, draw::kBlack, std::nullopt});

    // The starts in date order (the career lists the newest first).
    std::vector<const stats::CareerRun*> starts;
    for (const auto& run : runs)
        if (run.started && epochDay(run.date)) starts.push_back(&run);
    std::stable_sort(starts.begin(), starts.end(), [](const auto* a, const auto* b) { return a->date < b->date; });
    if (starts.empty()) {
        ops.push_back(draw::Text{8, 6 + 2 * lineHeight, sjis("出走がありません"), font, kFrame, std::nullopt});
        return chart;
    }

    CareerChartScale scale;
    scale.left = measure.textWidth(font, sjis("18")) + 14;
    scale.top = 12 + 2 * lineHeight;
    scale.right = width - 16;
    scale.bottom = height - 2 * lineHeight - 10;
    scale.firstDay = *epochDay(starts.front()->date);
    scale.lastDay = *epochDay(starts.back()->date);
    if (const auto chosen = epochDay(chosenDate)) {
        scale.firstDay = std::min(scale.firstDay, *chosen);
        scale.lastDay = std::max(scale.lastDay, *chosen);
    }
    // A single day spreads over a month, so that its point sits in the middle.
    if (scale.lastDay == scale.firstDay) {
        scale.firstDay -= 15;
        scale.lastDay += 15;
    }
    for (const auto* run : starts) scale.lowest = std::max({scale.lowest, run->fieldSize, run->finish});
    scale.lowest = std::max(scale.lowest, 3);

    // Position rules, a label only where it clears the one above.
    int lastLabelY = scale.top - lineHeight;
    for (int finish = 1; finish <= scale.lowest; ++finish) {
        const int y = scale.y(finish);
        ops.push_back(draw::Line{scale.left, y, scale.right, y, kRule, 1});
        if (y - lastLabelY < lineHeight) continue;
        const SjisString label = formatted("%d", finish);
        ops.push_back(draw::Text{scale.left - 6 - measure.textWidth(font, label), y - lineHeight / 2, label, font,
                                 draw::kBlack, std::nullopt});
        lastLabelY = y;
    }
    // A rule at each new year inside the span, labelled under the plot.
    for (int year = starts.front()->date / 10000; year <= starts.back()->date / 10000 + 1; ++year) {
        const auto day = epochDay(year * 10000 + 101);
        if (!day || *day < scale.firstDay || *day > scale.lastDay) continue;
        const int x = scale.x(year * 10000 + 101);
        ops.push_back(draw::Line{x, scale.top, x, scale.bottom, kRule, 1});
        const SjisString label = formatted("%d", year);
        ops.push_back(draw::Text{x - measure.textWidth(font, label) / 2, scale.bottom + 6 + lineHeight, label, font,
                                 draw::kBlack, std::nullopt});
    }
    ops.push_back(
        draw::Frame{scale.left, scale.top, scale.right - scale.left + 1, scale.bottom - scale.top + 1, kFrame, 1});
    if (epochDay(chosenDate)) {
        const int x = scale.x(chosenDate);
        ops.push_back(draw::Line{x, scale.top, x, scale.bottom, kCareerChosen, 2});
    }

    // The finishes joined in date order, their points over the line; a
    // start without a finish (pulled up, disqualified) breaks the line and
    // is marked under the plot.
    const SjisString none = sjis("×");
    const int noneWidth = measure.textWidth(font, none);
    std::optional<std::pair<int, int>> previous;
    for (const auto* run : starts) {
        const int x = scale.x(run->date);
        if (run->finish <= 0) {
            ops.push_back(draw::Text{x - noneWidth / 2, scale.bottom + 3, none, font, kCareerOther, std::nullopt});
            previous.reset();
            continue;
        }
        const int y = scale.y(run->finish);
        if (previous) ops.push_back(draw::Line{previous->first, previous->second, x, y, kCareerOther, 1});
        previous = std::pair{x, y};
    }
    for (const auto* run : starts) {
        if (run->finish <= 0) continue;
        const int x = scale.x(run->date), y = scale.y(run->finish);
        ops.push_back(draw::Fill{x - kPoint / 2, y - kPoint / 2, kPoint, kPoint, pointColour(run->finish)});
    }
    chart.scale = scale;
    return chart;
}

}  // namespace vantor::views
