#pragma once
// Race assembly: turns the raw record images of a loaded day into the race
// slots 0 .. RaceCount - 1 (header, runners, run tables of this race and up
// to 20 earlier runs, intervals and readiness signs). The slots must have
// been reset and the raw tables filled.

#include "raceday/race_day.h"

namespace vantor {

void DainyuBtnClick(RaceDay& day);

// The readiness sign of a runner from its sex code and intervals: "牡3戦目"
// for a male whose interval 2 exceeds 55 days, "牡1戦目" (which wins) when
// interval 0 does, "牝2戦目" for a female whose interval 1 does; else empty.
SjisView readinessSign(SjisView sexCode, const std::array<i32, kMaxEarlierRuns>& kankaku);

}  // namespace vantor
