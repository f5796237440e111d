#include "raceday/race_marks.h"

#include "raceday/horse_initials.h"
#include "raceday/order_keys.h"
#include "raceday/same_connections.h"
#include "raceday/trainer_list.h"
#include "raceday/week_marks.h"

namespace vantor {

void deriveRaceMarks(RaceDay& day, int r, std::vector<SjisString>& sortKeys) {
    const TRaceRec& race = day.RaceTbl[r];
    TRaceMarkRec& marks = day.MarkTbl[r];
    marks.SortRank.fill(0);
    marks.SameBanusi.fill(0);
    marks.SameChok.fill(0);
    for (int i = 0; i < kMaxRunners; ++i) {
        addTrainer(day, race.ChokName[i]);
        fillWeekSlots(race, i, marks);
        applyMaxim2(race, i, marks);
    }
    sortKeys.clear();
    buildOrderKeys(race, marks, sortKeys);
    rankByOrderKeys(sortKeys, marks);
    addHorseInitials(race, day.UmaNameList);
    markSameConnections(race, marks);
}

}  // namespace vantor
