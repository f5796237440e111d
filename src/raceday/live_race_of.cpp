#include "raceday/live_race_of.h"

namespace vantor {

const LiveRace* liveRaceOf(const RaceDay& day, int slot) {
    if (slot < 0 || slot >= day.RaceCount || slot >= kMaxRaces) return nullptr;
    // Race key: year, month-day, course (8-9), meeting, day, race number (14-15).
    const SjisView key = day.RaceTbl[slot].RaceKey.view();
    if (key.size() < 16) return nullptr;
    return day.live().race(key.substr(8, 2), lenientInt(key.substr(14, 2)));
}

}  // namespace vantor
