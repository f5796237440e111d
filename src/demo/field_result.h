#pragma once
// How a field of runners finishes: market odds and popularity, finishing
// order (with the odd dead heat and horse stopped), times, positions at
// the corners and last-three-furlong times, all agreeing with each other.

#include <array>
#include <cstdint>
#include <span>

#include "demo/world.h"

namespace vantor::demo {

class Rng;

struct FieldRunner {
    double strength = 0;  // expected performance (form.h)
    double early = 0;     // early speed
    bool scratched = false;
    // Outcome.
    bool stopped = false;
    std::uint8_t position = 0;  // 0 when not placed
    bool deadHeat = false;
    int time = 0;  // tenths of a second
    std::array<std::uint8_t, 4> corners{};
    int odds = 0;  // tenths; 0 for a scratched horse
    std::uint8_t ninki = 0;
    int last3F = 0;
    std::uint8_t style = 0;
    double winProb = 0;  // the market's, behind odds and payouts
};

// Copies a runner's outcome in the field (position, time, corners, odds,
// popularity, the market's chance, last three furlongs, running style) into
// its run.
inline void takeOutcome(Run& run, const FieldRunner& f) {
    run.position = f.position;
    run.time = f.time;
    run.corners = f.corners;
    run.odds = f.odds;
    run.ninki = f.ninki;
    run.winProb = f.winProb;
    run.last3F = f.last3F;
    run.style = f.style;
}

struct RaceShape {
    Surface surface = Surface::turf;
    int distance = 1600;
    int trackCD = 17;
    int going = 1;  // 1 good .. 4 heavy
    RaceClass cls = RaceClass::win1;
};

constexpr std::size_t kMaxField = 18;

struct FieldSummary {
    std::array<std::uint8_t, kMaxField> order{};  // finishers, winner first
    int finishers = 0;
    int starters = 0;
    int winnerTime = 0;
    int first3F = 0, last3F = 0;
};

// field holds at most kMaxField runners, at least three of them not
// scratched. With allowDeadHeat, now and then two horses share a place.
FieldSummary runField(std::span<FieldRunner> field, const RaceShape& shape, bool allowDeadHeat, Rng& rng);

}  // namespace vantor::demo
