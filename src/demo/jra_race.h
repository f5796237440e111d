#pragma once
// Running a JRA race whose conditions and runners are settled: scratches,
// the result, prize money, each runner's first opponent and the payouts.

#include <cstdint>
#include <span>

#include "demo/world.h"

namespace vantor::demo {

class Rng;

void runJraRace(World& world, std::uint32_t raceIndex, Rng& rng);

// A runner's share of a prize list at its place; horses that dead-heat
// share the prizes of the places they take together.
int prizeShare(std::span<const int> prizes, const Run& run);

}  // namespace vantor::demo
