#pragma once
// The trainer view (ChokBoxChange): every runner of the day of the trainer
// chosen in ChokBox, across all races and racecourses. The trainer grid
// keeps these runners beside it, one per row, and paints each row from its
// runner.

#include <vector>

#include "analysis/runner_slot.h"
#include "raceday/race_day.h"

namespace vantor {

using TrainerRunner = RunnerSlot;

// The trainer name of a ChokBox item: the item without its "%3d" runner count.
SjisView trainerItemName(SjisView item);

// Runner positions 0-17 of every race slot whose present flag is 1 whose
// stored trainer name equals name exactly, in race-slot order.
std::vector<TrainerRunner> trainerRunners(const RaceDay& day, SjisView name);

}  // namespace vantor
