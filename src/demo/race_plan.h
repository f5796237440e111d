#pragma once
// The programme of a racecourse day: which twelve races are run (age
// group, class, surface, distance, stakes), and, once a race's class is
// settled, its codes, names and prize money.

#include <array>
#include <span>

#include "demo/stakes.h"
#include "demo/world.h"

namespace vantor::demo {

class Rng;
struct JraCourse;

// The conditions of a planned race, before its runners are chosen.
struct RaceTerms {
    int raceNum = 1;
    AgeGroup age = AgeGroup::threeUp;
    RaceClass cls = RaceClass::win1;
    Surface surface = Surface::turf;
    bool fillies = false;
    bool special = false;  // a named race: special, listed or stakes
    char grade = ' ';
    const Stake* stake = nullptr;
    int distance = 1600;
    int trackCD = 17;
};

struct AgeClass {
    AgeGroup age;
    RaceClass cls;
};

// Three-year-old maidens have their last races in early September.
bool threeYearOldMaidenRacesRun(int day);

// The twelve races of the course (1..10) on the day; stakes races due
// that day take the places of the main race and of a jump race.
std::array<RaceTerms, 12> planCourseDay(int course, int day, StakeBook& stakes, Rng& rng);

// Conditions to fall back on, in order, when too few horses fit a race of
// that day: the usual classes of the season.
std::span<const AgeClass> fallbackClasses(int day, bool jump);

// A distance and track for the race at the course, within what its age
// group runs.
void chooseTrack(RaceTerms& terms, const JraCourse& course, Rng& rng);

// Codes, names, prizes and start time of a JRA race from its settled terms.
void describeRace(Race& race, const RaceTerms& terms, int course, int courseIndex, Rng& rng);

}  // namespace vantor::demo
