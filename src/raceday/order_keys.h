#pragma once
// Runner order keys of a race and the ranks they give.
//
// A key ranks a runner by a popularity A and a finishing position B (this
// race's result once the race has payouts, the last run's before): "a" for
// A < 5 and B < 4, "b" for A >= 5 and B < 4, "c" for A < 5 and B >= 4, "d"
// for A >= 5 and B >= 4, each followed by A and the horse number as "%2d";
// "e" + A + number without a position, "f99" + number without popularity.

#include <vector>

#include "raceday/race_day.h"

namespace vantor {

// The key of horse number `number`; values below 1 mean none.
SjisString orderKey(int popularity, int position, int number);

// Sets every runner's SortKey from the race and adds the keys to sortKeys
// (kept in byte order, duplicates kept).
void buildOrderKeys(const TRaceRec& race, TRaceMarkRec& marks, std::vector<SjisString>& sortKeys);

// With at least four keys, the runner whose number stands in characters
// 4-5 of the key at sorted position n gets SortRank n + 1; with fewer, the
// ranks are left as they are.
void rankByOrderKeys(const std::vector<SjisString>& sortKeys, TRaceMarkRec& marks);

}  // namespace vantor
