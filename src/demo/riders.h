#pragma once
// Who rides at each racecourse of a race day, and which of them rides which
// runner. Stables want the leading jockeys for their best horses, but a
// jockey rides once a race and only so often a day, so the leaders get a
// good share of the strong runners, not all of them, and the rest of the
// rides spread over the others.

#include <array>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "demo/race_calendar.h"
#include "demo/world.h"

namespace vantor::demo {

class Rng;

class CourseRiders {
public:
    CourseRiders() = default;
    explicit CourseRiders(std::vector<std::uint16_t> jockeys) : jockeys_(std::move(jockeys)) {}

    std::size_t size() const { return jockeys_.size(); }

    // A rider for each runner of a race, the runners given strongest first
    // (indexes into riderOf); nobody rides twice in the race. There are at
    // least as many riders as runners.
    void seat(const World& world, std::span<const int> strongestFirst, std::span<std::uint16_t> riderOf, Rng& rng);

private:
    friend std::array<CourseRiders, 3> dayRiders(const World& world, const RaceDay& rd, Rng& rng);

    std::vector<std::uint16_t> jockeys_;
    std::vector<std::uint8_t> rides_;  // rides so far that day, by position in jockeys_
    std::vector<bool> taken_;          // riding in the race being seated
    std::vector<double> weight_;
};

// Each jockey rides at one course a day, mostly in his own region; every
// course gets enough riders for a full field.
std::array<CourseRiders, 3> dayRiders(const World& world, const RaceDay& rd, Rng& rng);

}  // namespace vantor::demo
