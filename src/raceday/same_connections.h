#pragma once
// Same-owner and same-trainer marks: runners of one race (slots below the
// head count) whose owner or trainer texts are byte for byte equal, padding
// included. Identical blank texts are equal too.

#include "raceday/race_day.h"

namespace vantor {

void markSameConnections(const TRaceRec& race, TRaceMarkRec& marks);

}  // namespace vantor
