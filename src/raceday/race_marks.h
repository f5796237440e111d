#pragma once
// The marks day loading derives for one assembled race: week slots,
// maxim-2 marks, order keys and ranks, same-owner and same-trainer marks;
// the race's trainers go into ChokList and its horse initials into
// UmaNameList. sortKeys is the work list of the order keys, kept by the
// caller so that it is allocated once.

#include <vector>

#include "raceday/race_day.h"

namespace vantor {

void deriveRaceMarks(RaceDay& day, int r, std::vector<SjisString>& sortKeys);

}  // namespace vantor
