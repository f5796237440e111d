#pragma once
// The horse search (UmaListBoxClick): the runners of the loaded day whose
// name begins with a chosen initial, in race-slot order and, within a race,
// in runner order.

#include <array>
#include <vector>

#include "analysis/runner_slot.h"
#include "raceday/race_day.h"

namespace vantor {

inline constexpr int kHorseSearchCols = 9;  // StringGrid3
using HorseSearchRow = std::array<SjisString, kHorseSearchCols>;

struct HorseSearchResult {
    SjisString item;                   // the label after "検索項目："
    SjisString key;                    // the label after "検索キー："
    std::vector<HorseSearchRow> rows;  // under the header row; none when nothing matches
    std::vector<RunnerSlot> runners;   // the runner of each row
};

// Runners whose name's first two bytes, untrimmed, equal key. An initial
// taken from a name that begins with a blank therefore finds nothing. An
// empty key (a day without initials) finds nothing either, so the grid
// never keeps an earlier day's runners.
HorseSearchResult horseSearch(const RaceDay& day, SjisView key);

}  // namespace vantor
