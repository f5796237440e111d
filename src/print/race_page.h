#pragma once
// The newspaper-style race card: one A4 page per race with the race header,
// the prize table and one table row per runner with its horse, people,
// prize and five previous-run columns.

#include "painting/page.h"
#include "painting/text_measure.h"
#include "print/printed_marks.h"
#include "raceday/race_day.h"

namespace vantor::print {

enum class RunnerOrder {
    number,  // horse-number order, the runners of one frame grouped
    group,   // order rank (SortRank), heavy lines between the groups a to f
};

// Texts are fitted to their columns by `measure` (page units). With the
// user's marks of a set, each marked runner's mark stands left of its name
// and the race note under the header; without, the page has neither.
draw::Page racePage(const RaceDay& day, int race, RunnerOrder order, const draw::TextMeasure& measure,
                    const PrintedRaceMarks* userMarks = nullptr);

}  // namespace vantor::print
