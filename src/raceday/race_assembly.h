#pragma once
// Race assembly (the operation of the hidden button DainyuBtn): turns the
// raw record images of race c into its race slot: header, runners, run
// tables of this race and up to 20 earlier runs, intervals and readiness
// signs. The slot must have been reset and the race's raw images filled;
// nothing of another race is read, so races can be assembled one by one as
// they are loaded.

#include "raceday/race_day.h"

namespace vantor {

void assembleRace(RaceDay& day, int c);

// The readiness sign of a runner from its sex code and intervals: "牡3戦目"
// for a male whose interval 2 exceeds 55 days, "牡1戦目" (which wins) when
// interval 0 does, "牝2戦目" for a female whose interval 1 does; else empty.
SjisView readinessSign(SjisView sexCode, const std::array<i32, kMaxEarlierRuns>& kankaku);

}  // namespace vantor
