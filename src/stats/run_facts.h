#pragma once
// One run as the records count it, read from a row of the analysis
// database: when and where, the race's surface, distance, going and class,
// the runner's popularity and finish, whether it started and what its win
// and place tickets paid. A record filter is a test on these facts.

#include <optional>
#include <string>
#include <string_view>

#include "stats/stats_bands.h"
#include "stats/stats_db.h"

namespace vantor::stats {

struct RunFacts {
    int date = 0;                                        // yyyymmdd
    std::string_view courseCode, courseName, className;  // UTF-8, valid while the row is
    std::optional<Surface> surface;
    int distance = 0;
    int going = 0;      // 1-4, 0 for none
    int classCode = 0;  // the race condition code of the youngest age ("703" 703)
    int popularity = 0;
    int finish = 0;  // 0 for none (a runner pulled up, a scratched one)
    // Scratched (出走取消) and excluded (発走除外, 競走除外) runners did not start.
    bool started = false;
    long long winPay = 0, placePay = 0;  // yen on a 100-yen ticket, 0 when it paid nothing
};

// The columns of a run, for a query over runners r joined to races ra
// (left joined for a horse's career), in the order runFacts reads them
// from column 0.
extern const std::string kRunColumns;
inline constexpr int kRunColumnCount = 14;
// A runner row of a race with results (not a card's entry).
extern const std::string kRanCondition;
// A runner row of a JRA racecourse.
extern const std::string kJraCondition;

RunFacts runFacts(const Query& row);

struct RecordFilter {
    int from = 0, to = 0;  // yyyymmdd, inclusive; 0 for no bound
    std::string course;    // racecourse code "05"; empty for all
    std::optional<Surface> surface;
    int minDistance = 0, maxDistance = 0;  // metres, 0 for no bound
    int going = 0;                         // 1-4, 0 for all
    int classCode = 0;                     // 0 for all
    bool admits(const RunFacts& run) const;
};

// The condition that a row of `table` (an alias; empty for none) is the
// race of a 16-digit race key bound by bindRaceKey to ?1-?5: its date,
// racecourse, meeting, day and race number.
std::string raceKeyCondition(std::string_view table);
void bindRaceKey(Query& query, std::string_view raceKey);

// The course, surface and distance of a stored race (its 16-digit race
// key) as a filter's; none for a race the database does not hold.
std::optional<RecordFilter> sameCourseAndDistance(StatsDb& db, std::string_view raceKey, RecordFilter filter);

// yyyymmdd as "yyyy-mm-dd", the export's dates.
std::string isoDate(int yyyymmdd);

}  // namespace vantor::stats
