#pragma once
// The named stakes races of the JRA year: where and when they are run,
// for whom, over what, and their first prize.

#include <array>
#include <cstdint>
#include <string_view>

#include "demo/world.h"

namespace vantor::demo {

struct Stake {
    std::string_view name;    // UTF-8
    std::string_view short3;  // three characters, UTF-8
    std::uint8_t course;      // 1..10
    std::uint8_t month;
    std::uint8_t week;  // week of the month the race usually falls in, 1..5
    std::uint8_t wday;  // 6 Saturday, 0 Sunday
    char grade;         // A G1 .. C G3, D ungraded, F-H jump grades, L listed
    AgeGroup age;
    bool fillies;
    Surface surface;
    std::uint16_t distance;
    std::uint8_t weightType;  // 1 handicap, 2 set weights, 3 weight for age, 4 fixed
    int prize;                // first prize, units of 100 yen
};

// Which stakes have been run in which year, so that each is run at most
// once a year.
class StakeBook {
public:
    // A stakes race of this course and day, flat or jump, not yet run in
    // the day's year, whose week of the month is the day's or the one
    // before (a race put off by the calendar runs a week late); its own
    // week first. Null when none.
    const Stake* find(int course, int day, bool jump) const;
    void markRun(const Stake& stake, int year);

private:
    std::array<int, 128> lastYear_{};
};

}  // namespace vantor::demo
