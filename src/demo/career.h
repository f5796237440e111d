#pragma once
// A horse's career between races: promotion after wins, the rest before
// its next run, a turn to jumping, retirement.

#include "demo/world.h"

namespace vantor::demo {

class Rng;

// Updates the horse after its run in the race.
void afterRun(Horse& h, const Race& race, const Run& run, Rng& rng);

// Flat maidens of three are done with the autumn: most leave training, a
// few go jumping. True when the horse is no longer free to run that day.
bool leavesMaidenRanks(Horse& h, int day, Rng& rng);

}  // namespace vantor::demo
