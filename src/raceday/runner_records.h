#pragma once
// The raw records of one race's runners: each runner slot from the day's
// runner file of the racecourse, the runner's horse master (converted from
// the earlier layout when only that exists) and its earlier runs.

#include <string>

#include "raceday/load_files.h"
#include "raceday/race_day.h"
#include "store/store_paths.h"

namespace vantor {

// Race c's record must be in JvRaTbl[c]. Slots up to the declared head
// count (at most 18) are read, for race numbers 1 to 12 only: the runner
// file holds 12 races of 18 slots. Settles the earlier runs of all 18
// slots.
void readRunnerRecords(const StorePaths& paths, const std::string& dayName, LoadFiles& files, RaceDay& day, int c);

// Earlier runs of a horse from its history bytes into JvSeiTbl[c][j]: most
// recent first, only runs dated before raceDate (so the race day's own run
// is skipped), at most 25. Runs 21-25, which the past-run lookup skips, get
// their race keys on blank images in JvSeiRaTbl[c][j]. Returns how many
// runs; the caller settles the runner's count.
int takeEarlierRuns(SjisView historyBytes, long long raceDate, RaceDay& day, int c, int j);

}  // namespace vantor
