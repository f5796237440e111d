#include "raceday/race_day.h"

#include <algorithm>
#include <memory>
#include <type_traits>

namespace vantor {

// Slots are reset by constructing them anew in place.
static_assert(std::is_trivially_destructible_v<TRaceRec> && std::is_trivially_destructible_v<TRaceMarkRec>);

RaceDay::RaceDay() {
    blankRawTables();
    SortKeyList.reserve(kMaxRunners);
    ChokList.reserve(kMaxRaces * kMaxRunners);
    ChokSortList.reserve(kMaxRaces * kMaxRunners);
    UmaNameList.reserve(kMaxRaces * kMaxRunners);
}

void RaceDay::blankRawTables() {
    for (auto& ra : JvRaTbl) ra.fillBlank();
    for (auto& hr : JvHrTbl) hr.fillBlank();
    for (auto& yoz : YozTbl) yoz.fillBlank();
    for (int r = 0; r < kMaxRaces; ++r) {
        for (int j = 0; j < kMaxRunners; ++j) {
            JvSeTbl[r][j].fillBlank();
            JvUmTbl[r][j].fillBlank();
            for (auto& se : JvSeiTbl[r][j]) se.fillBlank();
            for (auto& ra : JvSeiRaTbl[r][j]) ra.fillBlank();
        }
    }
}

void IniBtnClick(RaceDay& day) {
    for (auto& race : day.RaceTbl) std::construct_at(&race);
    for (auto& marks : day.MarkTbl) std::construct_at(&marks);
}

int runnerSlotsOf(SjisView headCount) { return std::clamp(lenientInt(headCount), 0, kMaxRunners); }

}  // namespace vantor
