#pragma once
// A horse's finishing positions over its career as a chart in screen
// pixels: race days across, the position down from 1st at the top to the
// largest field the horse ran in at the bottom, a point per run that
// finished (a win red, 2nd and 3rd blue, the others grey) joined in date
// order, a run that started but did not finish marked under the plot, and
// the chosen race's day as a vertical line. The career view plays it.

#include <optional>
#include <span>

#include "painting/draw_ops.h"
#include "painting/text_measure.h"
#include "stats/horse_career.h"

namespace vantor::views {

// Where the plot lies and how days and positions map onto it.
struct CareerChartScale {
    int left = 0, top = 0, right = 0, bottom = 0;
    int firstDay = 0, lastDay = 0;  // days since the epoch
    int lowest = 1;                 // the position at the bottom

    int x(int yyyymmdd) const;
    int y(int finish) const;  // positions past lowest are held at the bottom
};

// Days since the epoch of a date yyyymmdd; none for a date that is none.
std::optional<int> epochDay(int yyyymmdd);

inline constexpr draw::Rgb kCareerWin{204, 0, 0};
inline constexpr draw::Rgb kCareerPlaced{0, 64, 192};
inline constexpr draw::Rgb kCareerOther{128, 128, 128};
inline constexpr draw::Rgb kCareerChosen{255, 160, 0};

struct CareerChart {
    draw::Ops ops;
    std::optional<CareerChartScale> scale;  // none without a run that started
};

// The chart of runs (any order) with the day chosenDate (yyyymmdd; 0 for
// none) marked, width by height pixels.
CareerChart careerChart(std::span<const stats::CareerRun> runs, int chosenDate, int width, int height,
                        const draw::TextMeasure& measure);

}  // namespace vantor::views
