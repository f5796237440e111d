#pragma once
// The raw records of one race's runners: each runner slot from the day's
// runner file of the racecourse, the runner's horse master (converted from
// the earlier layout when only that exists) and its earlier runs.

#include <string>

#include "raceday/load_files.h"
#include "raceday/race_day.h"
#include "store/store_paths.h"

namespace vantor {

// Race c's record must be in JvRaTbl[c], and its runners must hold no
// earlier runs yet. Slots up to the declared head count (at most 18) are
// read, for race numbers 1 to 12 only: the runner file holds 12 races of
// 18 slots.
void readRunnerRecords(const StorePaths& paths, const std::string& dayName, LoadFiles& files, RaceDay& day, int c);

// Earlier runs of a horse from its history bytes, added to runner j of
// race c: most recent first, only runs dated before raceDate (so the race
// day's own run is skipped), up to 25 runs in all.
void takeEarlierRuns(SjisView historyBytes, long long raceDate, EarlierRuns& runs, int c, int j);

}  // namespace vantor
