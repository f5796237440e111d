#include "raceday/race_day.h"

#include <algorithm>
#include <memory>
#include <type_traits>

namespace vantor {

// Slots are reset by constructing them anew in place.
static_assert(std::is_trivially_destructible_v<TRaceRec> && std::is_trivially_destructible_v<TRaceMarkRec>);

RaceDay::RaceDay() {
    for (auto& race : earlierRunsHeld_) race.fill(kMaxEarlierRuns);
    blankRawTables();
    SortKeyList.reserve(kMaxRunners);
    ChokList.reserve(kMaxRaces * kMaxRunners);
    ChokSortList.reserve(kMaxRaces * kMaxRunners);
    UmaNameList.reserve(kMaxRaces * kMaxRunners);
}

void RaceDay::blankRawTables() {
    blankDayRecords();
    for (int r = 0; r < kMaxRaces; ++r)
        for (int j = 0; j < kMaxRunners; ++j) settleEarlierRuns(r, j, 0);
}

void RaceDay::blankDayRecords() {
    for (auto& ra : JvRaTbl) ra.fillBlank();
    for (auto& hr : JvHrTbl) hr.fillBlank();
    for (auto& yoz : YozTbl) yoz.fillBlank();
    for (int r = 0; r < kMaxRaces; ++r) {
        for (int j = 0; j < kMaxRunners; ++j) {
            JvSeTbl[r][j].fillBlank();
            JvUmTbl[r][j].fillBlank();
        }
    }
}

void RaceDay::settleEarlierRuns(int r, int j, int count) {
    auto& held = earlierRunsHeld_[r][j];
    for (int e = count; e < held; ++e) {
        JvSeiTbl[r][j][e].fillBlank();
        JvSeiRaTbl[r][j][e].fillBlank();
    }
    held = static_cast<std::uint8_t>(count);
}

void IniBtnClick(RaceDay& day) {
    for (auto& race : day.RaceTbl) std::construct_at(&race);
    for (auto& marks : day.MarkTbl) std::construct_at(&marks);
}

int runnerSlotsOf(SjisView headCount) { return std::clamp(lenientInt(headCount), 0, kMaxRunners); }

}  // namespace vantor
