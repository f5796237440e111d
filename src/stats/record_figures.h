#pragma once
// The figures of a record row one by one, in the order of a record
// table's columns after the label: what a view sorts its rows by and what
// its chart draws.

#include <array>
#include <vector>

#include "stats/tally.h"

namespace vantor::stats {

enum class Figure {
    starts,
    first,
    second,
    third,
    unplaced,
    winRate,
    topTwoRate,
    topThreeRate,
    winReturnRate,
    placeReturnRate
};
inline constexpr int kFigureCount = 10;

double figureValue(const Tally& tally, Figure figure);

// The rows ordered by figure, the greatest first when descending; rows of
// one value keep their order (the dimension's).
void sortRows(std::vector<RecordRow>& rows, Figure figure, bool descending);

// The race classes the database holds, as a filter names them (the
// condition code of the youngest age) with their names (Shift-JIS), in a
// breakdown's order from 新馬 to オープン.
struct RaceClass {
    int code;
    SjisString name;
};
std::vector<RaceClass> storedClasses(StatsDb& db);

}  // namespace vantor::stats
