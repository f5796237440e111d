#pragma once
// A horse's career: every stored run, newest first, with what the card's
// past runs show and more, and its totals by surface, distance band,
// going, racecourse and class. Texts are Shift-JIS.

#include <optional>
#include <span>
#include <vector>

#include "stats/subject.h"
#include "stats/tally.h"

namespace vantor::stats {

struct CareerRun {
    int date = 0;         // yyyymmdd
    std::string raceKey;  // the 16 digits of the race
    SjisString course;    // racecourse name
    SjisString raceName;  // the race's name; empty for a race known by its class alone
    SjisString className;
    SjisString grade;  // the grade code ("A" G1); empty for none
    std::optional<Surface> surface;
    int distance = 0;
    int going = 0;             // 1-4, 0 for none
    int fieldSize = 0;         // starters
    int gate = 0, number = 0;  // bracket and horse number
    int popularity = 0;
    double odds = 0;
    int finish = 0;  // 0 for none
    int status = 0;  // the abnormality code: 1 出走取消 ... 7 降着, 0 for none
    bool started = false;
    double time = 0;                  // seconds, 0 for none
    double margin = 0;                // seconds behind the winner (the winner's lead over the second negative)
    double lastThree = 0;             // last three furlongs in seconds
    int bodyWeight = 0;               // kg, 0 when not weighed
    std::optional<int> weightChange;  // kg; none on a first start or unweighed
    SjisString jockey;
    double carried = 0;  // kg
    SjisString rival;    // the winner, or the second when this horse won
};

struct HorseCareer {
    Subject horse;
    std::vector<CareerRun> runs;  // newest first
    Tally total;
    // By each dimension asked for.
    std::vector<std::pair<Dimension, std::vector<RecordRow>>> totals;
};

inline constexpr std::array<Dimension, 5> kCareerDimensions{Dimension::surface, Dimension::distance, Dimension::going,
                                                            Dimension::course, Dimension::raceClass};

// The runs of the horse that the filter admits (all with an empty one),
// totalled by each of totalsBy (by default surface, distance band, going,
// racecourse and class); the filter's period is not completed. Throws
// StatsError when the database fails.
HorseCareer horseCareer(StatsDb& db, const Subject& horse, const RecordFilter& filter = {},
                        std::span<const Dimension> totalsBy = kCareerDimensions);

}  // namespace vantor::stats
