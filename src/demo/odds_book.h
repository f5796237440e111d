#pragma once
// The predicted odds the demo's odds services publish for a race: each
// runner's final win odds moved by up to about a quarter either way, and
// the place, bracket-quinella and quinella odds that follow from them.

#include <array>

#include "demo/world.h"

namespace vantor::demo {

class Rng;

inline constexpr int kOddsHorses = 18;
inline constexpr int kBracketPairs = 36;  // 1-1, 1-2, ..., 1-8, 2-2, ..., 8-8
inline constexpr int kHorsePairs = 153;   // 1-2, 1-3, ..., 1-18, 2-3, ..., 17-18

// Position of bracket pair x-y (x <= y, both 1 to 8) in that order,
// and of horse pair x-y (x < y, both 1 to 18) in its.
constexpr int bracketPairIndex(int x, int y) { return (x - 1) * 8 - (x - 1) * (x - 2) / 2 + (y - x); }
constexpr int horsePairIndex(int x, int y) { return (x - 1) * kOddsHorses - x * (x - 1) / 2 + (y - x - 1); }
static_assert(bracketPairIndex(8, 8) == kBracketPairs - 1 && horsePairIndex(17, 18) == kHorsePairs - 1);

// Odds in tenths. kNoRunner: no such runner or pair; kUndecided: a runner
// (or a pair with one) without a market, such as a scratched horse.
inline constexpr int kNoRunner = 0;
inline constexpr int kUndecided = -1;

struct OddsBook {
    int runners = 0;  // declared head count
    std::array<int, kOddsHorses> win{}, place{};
    std::array<int, kBracketPairs> bracket{};
    std::array<int, kHorsePairs> quinella{};
};

OddsBook predictOdds(const World& world, const Race& race, Rng& rng);

}  // namespace vantor::demo
