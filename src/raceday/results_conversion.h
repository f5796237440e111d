#pragma once
// Results conversion: finishing positions, popularity and final win odds
// from the day's runner records, and the payouts from its payout records,
// for the race slots in use (below RaceCount). A race without a payout
// record gets 0 everywhere and " 0- 0" combinations.

#include "raceday/race_day.h"

namespace vantor {

void SeiBtnClick(RaceDay& day);

// A combination field (two numbers of equal width) as "%2d-%2d".
SjisString combinationText(SjisView kumi);

}  // namespace vantor
