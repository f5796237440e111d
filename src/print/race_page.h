#pragma once
// The newspaper-style race card: one A4 page per race with the race header,
// the prize table and one table row per runner with its horse, people,
// prize and five previous-run columns.

#include "output/page.h"
#include "output/text_measure.h"
#include "raceday/race_day.h"

namespace vantor::print {

enum class RunnerOrder {
    number,  // horse-number order, the runners of one frame grouped
    group,   // order rank (SortRank), heavy lines between the groups a to f
};

// Texts are fitted to their columns by `measure` (page units).
draw::Page racePage(const RaceDay& day, int race, RunnerOrder order, const draw::TextMeasure& measure);

}  // namespace vantor::print
