#pragma once
// The payout import after a results fetch: re-reads the loaded day's race
// file, the runner records of each race and the day's payout file into the
// raw tables (the race slots the load filled), matching payouts to races on the whole 16-character race key,
// and converts results and payouts again. The window then reloads the day.

#include <string>

#include "raceday/race_day.h"
#include "store/store_paths.h"

namespace vantor {

// dayName: "yyyy年mm月dd日" (UTF-8) of the loaded day.
void importPayouts(RaceDay& day, const StorePaths& paths, const std::string& dayName);

}  // namespace vantor
