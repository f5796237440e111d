#pragma once
// A horse's record as its master record reports it: finishes overall, at
// the JRA, per track group, going and distance, running styles and prize
// money, built up run by run.

#include <array>

#include "demo/world.h"

namespace vantor::demo {

using FinishCounts = std::array<int, 6>;  // 1st .. 5th, unplaced

struct CareerStats {
    FinishCounts all{}, jra{};
    std::array<FinishCounts, 7> byTrack{};     // track groups (courses.h)
    std::array<FinishCounts, 12> byGoing{};    // turf, dirt, jump x good .. heavy
    std::array<FinishCounts, 6> byDistance{};  // turf, dirt x up to 1600, to 2200, longer
    std::array<int, 4> styles{};               // front runner .. closer
    long long flatPrize = 0, jumpPrize = 0, flatAdded = 0, jumpAdded = 0, flatEarned = 0, jumpEarned = 0;
    int starts = 0;
};

// The finishing class of a run that started: 0 for first .. 4 for fifth,
// 5 for anything else, a horse that did not finish included.
int finishClass(const Run& run);

// Counts a run; a scratched horse did not start and counts nowhere. Only
// JRA runs count beyond the overall finishes and starts.
void addRun(CareerStats& stats, const Race& race, const Run& run);

}  // namespace vantor::demo
