#include "raceday/race_day.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <type_traits>

namespace vantor {

// Slots are reset by constructing them anew in place.
static_assert(std::is_trivially_destructible_v<TRaceRec> && std::is_trivially_destructible_v<TRaceMarkRec>);

namespace {

void blankRace(RaceDay& day, int r) {
    day.JvRaTbl[r].fillBlank();
    day.JvHrTbl[r].fillBlank();
    day.YozTbl[r].fillBlank();
    for (auto& se : day.JvSeTbl[r]) se.fillBlank();
    for (auto& um : day.JvUmTbl[r]) um.fillBlank();
}

}  // namespace

// The raw images are blank from the start, as every reader of a day that
// was never loaded expects: 1.5 MB, where a full day fills most of it.
RaceDay::RaceDay() {
    for (int r = 0; r < kMaxRaces; ++r) blankRace(*this, r);
    ChokList.reserve(kMaxRaces * kMaxRunners);
    ChokSortList.reserve(kMaxRaces * kMaxRunners);
    UmaNameList.reserve(kMaxRaces * kMaxRunners);
}

void RaceDay::clear() {
    for (int r = 0; r < RaceCount; ++r) blankRace(*this, r);
    IniBtnClick(*this);
    earlierRuns_.clear();
    live_->reset({});
    RaceCount = 0;
}

void IniBtnClick(RaceDay& day) {
    // The slots from RaceCount on are written by nothing, so they are still reset.
    // All zero bytes is a reset slot (zeroed_slots.h): one fill of each
    // slot's 170 KB, not one per field.
    for (int r = 0; r < day.RaceCount; ++r) {
        std::memset(static_cast<void*>(&day.RaceTbl[r]), 0, sizeof(TRaceRec));
        std::memset(static_cast<void*>(&day.MarkTbl[r]), 0, sizeof(TRaceMarkRec));
    }
}

int runnerSlotsOf(SjisView headCount) { return std::clamp(lenientInt(headCount), 0, kMaxRunners); }

}  // namespace vantor
