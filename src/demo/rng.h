#pragma once
// The demo's random source: xoshiro256** seeded through splitmix64. Every
// draw is computed here rather than by the standard distributions, whose
// results differ between library versions, so one seed always gives the
// same feed.

#include <cstddef>
#include <cstdint>
#include <span>

namespace vantor::demo {

class Rng {
public:
    explicit Rng(std::uint64_t seed) {
        for (std::uint64_t& s : state_) {
            seed += 0x9E3779B97F4A7C15ull;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            s = z ^ (z >> 31);
        }
    }

    std::uint64_t next() {
        const std::uint64_t result = rotl(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = rotl(state_[3], 45);
        return result;
    }

    // A separate stream, so that one part of the simulation drawing more
    // or fewer numbers leaves the others unchanged.
    Rng split() { return Rng(next()); }

    // Uniform in [lo, hi].
    int between(int lo, int hi) {
        const std::uint64_t span = static_cast<std::uint64_t>(hi - lo) + 1;
        return lo + static_cast<int>((static_cast<unsigned __int128>(next()) * span) >> 64);
    }
    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    bool chance(double p) { return unit() < p; }
    // Close to a standard normal: four uniforms summed and scaled.
    double normal() {
        const double sum = unit() + unit() + unit() + unit();
        return (sum - 2.0) * 1.7320508075688772;
    }

    template <class T>
    const T& pick(std::span<const T> items) {
        return items[static_cast<std::size_t>(between(0, static_cast<int>(items.size()) - 1))];
    }
    // An index drawn in proportion to the weights.
    std::size_t weighted(std::span<const int> weights) {
        int total = 0;
        for (int w : weights) total += w;
        int r = between(0, total - 1);
        for (std::size_t i = 0; i < weights.size(); ++i) {
            if (r < weights[i]) return i;
            r -= weights[i];
        }
        return weights.size() - 1;
    }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t state_[4];
};

}  // namespace vantor::demo
