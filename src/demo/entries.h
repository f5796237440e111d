#pragma once
// Who runs in a race: the runners chosen from the horses free that day,
// their horse and bracket numbers, jockeys, carried weights and body
// weights.

#include <cstdint>
#include <span>
#include <vector>

#include "demo/race_plan.h"
#include "demo/world.h"

namespace vantor::demo {

class CourseRiders;
class Rng;
struct JraCourse;

// What the entry choice needs of a horse, kept compact because every
// race of the day looks through all free horses.
struct PoolHorse {
    std::uint32_t horse = 0;
    std::uint8_t age = 0, classLevel = 0, jumpClass = 0;
    bool mare = false, jumper = false, debuted = false, east = false;
    float ability = 0, turf = 0, distance = 0;
    int readyDay = 0;
    bool entered = false;  // already running in a race of the day
};

PoolHorse poolHorse(const Horse& h, std::uint32_t index, int year);

struct DayPool {
    int day = 0;
    std::vector<PoolHorse> ready;  // horses free to run that day
};

// The runners of a race, taken out of the pool. When too few horses fit
// the planned conditions the race falls back to another class of the day
// (the terms are changed accordingly); empty when no class finds enough.
std::vector<std::uint32_t> chooseRunners(RaceTerms& terms, const JraCourse& course, DayPool& pool, Rng& rng);

// Bracket of horse number umaban in a field of n by the JRA rule: one
// horse a bracket up to eight runners, beyond that the last brackets take
// the extra horses.
int bracketOf(int umaban, int n);

// Adds the runners of world.races[raceIndex] to world.runs in horse-number
// order (drawn at random), with jockeys from those riding at the course
// that day, carried weights by the race's weight type and the weigh-in body
// weights.
void seatRunners(World& world, std::uint32_t raceIndex, std::span<const std::uint32_t> horses, CourseRiders& riders,
                 Rng& rng);

}  // namespace vantor::demo
