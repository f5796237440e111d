#pragma once
// The real-time day of the newest demo race day, as the real-time service
// announces it through the day, into the feed's realtime/<yyyymmdd>/:
//
//   <stamp>_0B14_<yyyymmdd>.jvd   the day's changes (WE, AV, JC, TC, CC),
//                                 a whole snapshot at each announcement
//   <stamp>_0B11_<race key>.jvd   the body weights, an hour before the post
//   <stamp>_0B30_<race key>.jvd   O1 and O2 every ten minutes from 9:00;
//                                 the last before the post also O3-O6
//   <stamp>_0B41_<race key>.jvd   the O1 of each announcement
//
// The stamp of each file is its announce time. The odds drift towards
// those of the results, which the last interim odds before the post equal;
// the jockeys, weights, post times and courses end as the results have them.

#include <filesystem>
#include <string>

#include "demo/rng.h"
#include "demo/world.h"

namespace vantor::demo {

struct LiveDayCounts {
    int files = 0;
    long long bytes = 0;
};

// Writes the live files of the calendar's race day dayIndex, each through a
// temporary file renamed into place. Returns an error text, empty on success.
std::string writeLiveDay(const World& world, int dayIndex, const std::filesystem::path& realtime, Rng rng,
                         LiveDayCounts& counts);

}  // namespace vantor::demo
