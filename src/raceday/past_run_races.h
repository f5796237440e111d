#pragma once
// The race records of the earlier runs: a run at a JRA racecourse (codes
// 01-10) from the race file of its day in the Data folder, any other run
// from the outside race file of its date and racecourse in the SEIR
// folder. Runs 1-20 of every runner are looked up; a run whose race is not
// found keeps only its race key.

#include <functional>

#include "raceday/load_files.h"
#include "raceday/race_day.h"
#include "store/store_paths.h"

namespace vantor {

// `raceDone` is called once per race slot (36 times).
void readPastRunRaces(const StorePaths& paths, LoadFiles& files, RaceDay& day, const std::function<void()>& raceDone);

}  // namespace vantor
