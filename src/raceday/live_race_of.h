#pragma once
// The live state of a race slot: the day's LiveRace of the slot's
// racecourse and race number.

#include "raceday/race_day.h"

namespace vantor {

// Null when the slot is out of range or the live state holds nothing of it.
const LiveRace* liveRaceOf(const RaceDay& day, int slot);

}  // namespace vantor
