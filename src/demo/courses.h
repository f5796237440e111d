#pragma once
// The ten JRA racecourses as the demo races on them: direction, region and
// the distances of their turf, dirt and jump courses with track codes.

#include <cstdint>
#include <span>
#include <string_view>

#include "demo/world.h"

namespace vantor::demo {

class Rng;

struct TrackOption {
    std::uint16_t distance;
    std::uint8_t trackCD;
    std::uint8_t weight;  // how often races are run over it
};

struct JraCourse {
    std::string_view code;  // "01".."10"
    bool east;              // trained for from the eastern centre
    std::span<const TrackOption> turf, dirt, jump;
};

// course: 1..10.
const JraCourse& jraCourse(int course);

// The horse master's track group of a track code: 0 turf straight, 1 turf
// right-handed, 2 turf left-handed, 3 dirt straight, 4 dirt right-handed,
// 5 dirt left-handed, 6 jump.
int trackGroup(int trackCD);

// A track of the course for the surface, by weight among those whose
// distance lies in [minDistance, maxDistance] (among all when none does).
const TrackOption& drawTrack(const JraCourse& course, Surface surface, int minDistance, int maxDistance, Rng& rng);

// The track of that surface and distance, or null.
const TrackOption* findTrack(const JraCourse& course, Surface surface, int distance);

}  // namespace vantor::demo
