#pragma once
// The movement of a race's win odds as a line chart in screen pixels: time
// across (the announce times of the day's time series), the odds up a
// logarithmic axis, one line per runner in its bracket colour with its
// horse number at the line's end, the post time marked, and each runner's
// final odds marked at the post once they are known. The window's chart
// pane, and vantor-cli chart for PNG and PDF, play the same list.

#include <cstdint>
#include <optional>
#include <vector>

#include "painting/draw_ops.h"
#include "painting/text_measure.h"
#include "raceday/live_day.h"
#include "raceday/race_day.h"

namespace vantor::views {

// Where the chart's plot area lies and how times and odds map onto it.
class OddsChartScale {
public:
    // Minutes [first, last] across left..right, odds in tenths [low, high]
    // from bottom to top on a log scale.
    OddsChartScale(int left, int top, int right, int bottom, std::int64_t first, std::int64_t last, int low, int high);

    int x(std::int64_t minute) const;
    int y(int oddsTenths) const;  // odds outside the range are held at its edges

    int left, top, right, bottom;
    std::int64_t first, last;
    int low, high;
};

// Minutes since the epoch of an announce time "MMDDhhmm" on race day
// "yyyymmdd" (a later month-day than the race day's is of the year before);
// nothing for a text that is no time.
std::optional<std::int64_t> announceMinute(SjisView announce, SjisView day);
// Minutes since the epoch of "hhmm" on race day "yyyymmdd".
std::optional<std::int64_t> clockMinute(SjisView hhmm, SjisView day);

// The odds axis's tick values in tenths (1.0, 1.5, 2.0, 3.0, 5.0, 7.0, 10,
// ...): the range is widened to the nearest ticks around the odds shown.
const std::vector<int>& oddsTicks();

struct OddsChart {
    draw::Ops ops;
    std::optional<OddsChartScale> scale;  // none when the race has no time series
};

// The chart of race slot (TRaceRec) and its live state on day "yyyymmdd",
// width by height pixels. The post time is the live changed one when
// announced; the final odds are the results' when the day has them, else
// those of a final odds announcement.
OddsChart oddsChart(const TRaceRec& race, const LiveRace* live, SjisView day, int width, int height,
                    const draw::TextMeasure& measure);

}  // namespace vantor::views
