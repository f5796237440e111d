#pragma once
// The people and horses of the demo: trainers, jockeys, owners, breeders,
// the sires and dams behind the horses, the horses in training when the
// feed begins and the crops that reach the racecourse during it.

#include "demo/world.h"

namespace vantor::demo {

class Rng;

struct PopulationPlan {
    int firstDay = 0;     // day number of the feed's first race day
    int lastDay = 0;      // and of its last
    int cropSize = 2600;  // foals of one year that reach the racecourse
};

void populate(World& world, const PopulationPlan& plan, Rng& rng);

}  // namespace vantor::demo
