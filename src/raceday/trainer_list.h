#pragma once
// The trainers of the day, ordered by how many runners each sends out that
// day (most first), then by name.

#include <vector>

#include "raceday/race_day.h"

namespace vantor {

// Adds a trainer name to ChokList unless it is blank.
void addTrainer(RaceDay& day, SjisView name);

// Counts every ChokList name over all runner slots of the present races,
// rewrites ChokSortList and ChokList as "%3d" of 999 minus the count
// followed by the name (ChokList sorted), and returns the trainer
// drop-down items: the name followed by the count as "%3d".
std::vector<SjisString> orderTrainers(RaceDay& day);

}  // namespace vantor
