#pragma once
// The simulation: walks the race calendar day by day, lets the horses run
// their races at the JRA racecourses and elsewhere, and keeps everything
// that happened in the World.

#include <cstdint>
#include <functional>

#include "demo/world.h"

namespace vantor::demo {

struct SeasonPlan {
    int outsideUntil = 0;  // races away from the JRA are run before this day number only
    int cropSize = 2600;
    std::uint64_t seed = 1;
};

// Runs the seasons of world.calendar, which the caller has filled.
// progress(done, total) is called once per race day.
void simulateSeasons(World& world, const SeasonPlan& plan, const std::function<void(int, int)>& progress);

}  // namespace vantor::demo
