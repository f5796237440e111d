#pragma once
// Runs of JRA horses away from the JRA racecourses: exchange races at the
// local racecourses and international races abroad. Only the JRA horses of
// such a race are in the feed, with the race itself.

#include <cstdint>
#include <string_view>
#include <vector>

#include "demo/world.h"

namespace vantor::demo {

class HorseNamer;
class Rng;

struct OutsideEvent {
    std::string_view name, short3;  // UTF-8
    std::string_view course;        // "30".."61" local, "A0".."N2" abroad
    Venue venue;
    std::uint8_t month, week, wday;  // held on the week-th wday of the month ...
    std::uint8_t mday;               // ... or on this day of the month when not 0
    Surface surface;
    std::uint16_t distance;
    std::uint8_t trackCD;
    AgeGroup age;
    char grade;
    int prize;       // first prize, units of 100 yen
    int field;       // runners in all
    double quality;  // strength of the home horses, on the scale of Horse::ability
    int raceNum;
};

struct ScheduledEvent {
    int day = 0;
    const OutsideEvent* event = nullptr;
};

// Every event held on a day in [fromDay, toDay), in date order.
std::vector<ScheduledEvent> scheduleOutsideRaces(int fromDay, int toDay);

// Runs the event when fit JRA horses are free that day; adds the race and
// their runs to the world.
void runOutsideRace(World& world, const ScheduledEvent& scheduled, HorseNamer& names, Rng& rng);

}  // namespace vantor::demo
