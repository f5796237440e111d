#pragma once
// Week slots and the maxim-2 mark of a runner.
//
// Week slot w (1-25) holds the earlier run that lies w weeks before the
// race, rounded half up, with its interval and, for the five most recent
// runs, its finishing position. A later run that falls into the same slot
// overwrites it.
//
// The maxim-2 mark "格言２" goes to a runner that came back from a rest of
// 56 days or more in a race held 74 to 94 days before this one, without a
// first or second place in any week slot from the most recent up to that
// run.

#include "raceday/race_day.h"

namespace vantor {

// Empties runner i's week slots and fills them from its run dates.
void fillWeekSlots(const TRaceRec& race, int i, TRaceMarkRec& marks);

// Sets runner i's maxim-2 mark from its week slots, or empties it.
void applyMaxim2(const TRaceRec& race, int i, TRaceMarkRec& marks);

}  // namespace vantor
