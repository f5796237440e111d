#include "demo/riders.h"

#include <algorithm>
#include <cmath>

#include "demo/courses.h"
#include "demo/rng.h"

namespace vantor::demo {
namespace {

constexpr std::size_t kMinRiders = 18;
constexpr int kMaxRides = 8;  // a day
// How strongly a runner's connections go for a skilled jockey: most for the
// strongest runner of the race, least for the weakest.
constexpr double kTopPull = 1.8;
constexpr double kBottomPull = 0.4;

}  // namespace

void CourseRiders::seat(const World& world, std::span<const int> strongestFirst, std::span<std::uint16_t> riderOf,
                        Rng& rng) {
    const std::size_t m = jockeys_.size();
    rides_.resize(m);
    taken_.assign(m, false);
    weight_.resize(m);
    const std::size_t n = strongestFirst.size();
    for (std::size_t k = 0; k < n; ++k) {
        const double rank = n > 1 ? static_cast<double>(k) / static_cast<double>(n - 1) : 0;
        const double pull = kTopPull + (kBottomPull - kTopPull) * rank;
        double total = 0;
        for (std::size_t i = 0; i < m; ++i) {
            const bool free = !taken_[i] && rides_[i] < kMaxRides;
            weight_[i] = free ? std::exp(pull * world.jockeys[jockeys_[i]].skill) * (kMaxRides - rides_[i]) : 0;
            total += weight_[i];
        }
        std::size_t chosen = m;
        if (total > 0) {
            double r = rng.unit() * total;
            for (std::size_t i = 0; i < m && chosen == m; ++i)
                if (weight_[i] > 0 && (r -= weight_[i]) < 0) chosen = i;
        }
        // Rounding, or every free rider at his day's limit: the least used one
        // not yet in the race.
        if (chosen == m)
            for (std::size_t i = 0; i < m; ++i)
                if (!taken_[i] && (chosen == m || rides_[i] < rides_[chosen])) chosen = i;
        taken_[chosen] = true;
        ++rides_[chosen];
        riderOf[static_cast<std::size_t>(strongestFirst[k])] = jockeys_[chosen];
    }
}

std::array<CourseRiders, 3> dayRiders(const World& world, const RaceDay& rd, Rng& rng) {
    std::array<CourseRiders, 3> riders;
    const int n = rd.courseCount;
    for (std::uint16_t j = 0; j < world.jockeys.size(); ++j) {
        std::array<int, 3> home{};
        int homes = 0;
        for (int c = 0; c < n; ++c)
            if (jraCourse(rd.courses[static_cast<std::size_t>(c)].course).east == (world.jockeys[j].tozai == 1))
                home[static_cast<std::size_t>(homes++)] = c;
        const int c = homes > 0 && rng.chance(0.8) ? home[static_cast<std::size_t>(rng.between(0, homes - 1))]
                                                   : rng.between(0, n - 1);
        riders[static_cast<std::size_t>(c)].jockeys_.push_back(j);
    }
    for (int c = 0; c < n; ++c) {
        auto& mine = riders[static_cast<std::size_t>(c)].jockeys_;
        while (mine.size() < kMinRiders) {
            auto& richest = std::max_element(riders.begin(), riders.begin() + n, [](const auto& a, const auto& b) {
                                return a.jockeys_.size() < b.jockeys_.size();
                            })->jockeys_;
            mine.push_back(richest.back());
            richest.pop_back();
        }
    }
    return riders;
}

}  // namespace vantor::demo
