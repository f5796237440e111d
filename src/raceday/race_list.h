#pragma once
// The race-list item of a race slot: racecourse name, meeting, day and race
// number, as "東京 2回12日11R".

#include "raceday/race_day.h"

namespace vantor {

SjisString raceListItem(const TRaceRec& race);

}  // namespace vantor
