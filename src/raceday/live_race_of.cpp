#include "raceday/live_race_of.h"

#include "codes/race_key.h"

namespace vantor {

const LiveRace* liveRaceOf(const RaceDay& day, int slot) {
    if (slot < 0 || slot >= day.RaceCount || slot >= kMaxRaces) return nullptr;
    const RaceKey key(day.RaceTbl[slot].RaceKey.view());
    if (key.text().size() < RaceKey::kLength) return nullptr;
    return day.live().race(key.course(), lenientInt(key.raceNumber()));
}

}  // namespace vantor
