#pragma once
// Everything the demo simulation produces: the people, the horses, the
// races with their runners and payouts. The record writers read it; nothing
// here knows about record layouts.

#include <array>
#include <cstdint>
#include <vector>

#include "codes/track_surface.h"
#include "demo/race_calendar.h"
#include "text/sjis.h"

namespace vantor::demo {

using vantor::Surface;
enum class AgeGroup : std::uint8_t { two, three, threeUp, fourUp };
enum class RaceClass : std::uint8_t { debut, unraced, maiden, win1, win2, win3, open };
enum class Venue : std::uint8_t { jra, local, overseas };

struct Trainer {
    int code = 0;
    SjisString name;  // short name, at most 4 full-width characters
    std::uint8_t tozai = 1;
};

struct Jockey {
    int code = 0;
    SjisString name;
    std::uint8_t tozai = 1;
    std::uint8_t minarai = 0;  // apprentice allowance code, 0 for none
    float skill = 0;
};

struct Owner {
    int code = 0;
    SjisString name;
    SjisString colours;
};

struct Breeder {
    int code = 0;
    SjisString name;
    SjisString place;
};

// A sire or dam with its two generations of ancestors, as indexes into
// World::ancestors: self, sire, dam, sire's sire, sire's dam, dam's sire,
// dam's dam.
using Line = std::array<std::uint32_t, 7>;

struct Ancestor {
    SjisString name;
    std::int64_t id = 0;
};

struct Horse {
    std::int64_t id = 0;  // 10 digits, the first four the birth year
    SjisString name;
    std::string nameEng;
    int birthDate = 0;  // yyyymmdd
    int regDate = 0;
    std::uint32_t sireLine = 0, damLine = 0;
    std::uint16_t trainer = 0, owner = 0, breeder = 0;
    std::uint8_t sex = 1, coat = 1, symbol = 0, tozai = 1;
    float ability = 0;  // racing class, about normal around 0
    float turf = 0.5f;  // 1 = turf only, 0 = dirt only
    float distance = 1600;
    float early = 0;  // early speed: front runners high
    // Simulation state.
    int readyDay = 0;  // day number from which the horse can run again
    int retireDay = 0;  // 0 while in training
    std::int16_t bodyWeight = 470;
    std::uint8_t classLevel = 0;  // wins counted into the class: 0 maiden .. 4 open
    std::uint8_t jumpClass = 0;   // 0 jump maiden, 1 jump open
    bool jumper = false;
    bool debuted = false;  // has started, in the feed or before it
    int starts = 0;        // starts in the feed
    int jumpStarts = 0;
    int poorRuns = 0;  // consecutive runs outside the first five

    int birthYear() const { return birthDate / 10000; }
};

struct Race {
    int day = 0;   // day number
    int date = 0;  // yyyymmdd
    std::array<char, 2> course{};
    int kaiji = 0, nichiji = 0, raceNum = 0;
    int youbi = 0;
    Venue venue = Venue::jra;
    Surface surface = Surface::turf;
    AgeGroup age = AgeGroup::threeUp;
    RaceClass cls = RaceClass::win1;
    bool fillies = false;
    char grade = ' ';
    std::uint8_t weightType = 4;
    std::uint16_t distance = 1600;
    std::uint8_t trackCD = 17;
    SjisString name, shortName, conditionName;
    std::array<int, 7> prize{};  // units of 100 yen
    std::array<int, 5> added{};
    int startTime = 0;  // hhmm
    int declared = 0, starters = 0, finishers = 0;
    std::uint8_t weather = 1, turfGoing = 1, dirtGoing = 1;
    int firstRun = 0, runCount = 0;  // its runners in World::runs
    int payout = -1;                 // index into World::payouts; outside races have none
    int winnerTime = 0;              // tenths of a second
    int first3F = 0, last3F = 0;
};

enum class RunStatus : std::uint8_t { ran, scratched, stopped };

struct Run {
    std::uint32_t horse = 0;
    std::uint32_t race = 0;
    std::uint16_t jockey = 0;
    std::uint8_t umaban = 0, waku = 0, age = 0;
    RunStatus status = RunStatus::ran;
    std::uint8_t position = 0;  // 0 when not placed
    bool deadHeat = false;
    std::int16_t futan = 0;  // tenths of a kilogram
    std::int16_t bodyWeight = 0;
    std::int16_t weightChange = 0;
    bool firstStart = false;
    int time = 0;  // tenths of a second
    std::array<std::uint8_t, 4> corners{};
    int odds = 0;  // tenths
    std::uint8_t ninki = 0;
    double winProb = 0;        // the market's chance of winning, behind odds and payouts; 0 when scratched
    int prize = 0, added = 0;  // units of 100 yen
    int last3F = 0;            // tenths
    int timeDiff = 0;          // tenths; the winner's is minus its lead
    int rivalHorse = -1;       // first opponent: a horse of the world ...
    int rivalName = -1;        // ... or a name from World::outsideNames
    std::uint8_t style = 0;    // running style 1 front .. 4 closer
};

// One payout entry: up to three horse (or bracket) numbers.
struct Combo {
    std::array<std::uint8_t, 3> nums{};
    int pay = 0;  // yen per 100 yen
    int ninki = 0;
};

template <std::size_t N>
struct ComboList {
    std::array<Combo, N> items{};
    int count = 0;
    void add(const Combo& c) {
        if (count < static_cast<int>(N)) items[static_cast<std::size_t>(count++)] = c;
    }
};

struct Payout {
    ComboList<3> win;
    ComboList<5> place;
    ComboList<3> bracket;
    ComboList<3> quinella;
    ComboList<7> wide;
    ComboList<6> exacta;
    ComboList<3> trio;
    ComboList<6> trifecta;
};

struct World {
    RaceCalendar calendar;
    std::vector<Trainer> trainers;
    std::vector<Jockey> jockeys;
    std::vector<Owner> owners;
    std::vector<Breeder> breeders;
    std::vector<Ancestor> ancestors;
    std::vector<Line> lines;
    std::vector<Horse> horses;
    std::vector<Race> races;  // in date order
    std::vector<Run> runs;
    std::vector<Payout> payouts;
    std::vector<SjisString> outsideNames;  // horses of local and foreign stables
};

}  // namespace vantor::demo
