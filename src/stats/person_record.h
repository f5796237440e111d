#pragma once
// The record of a jockey, trainer, owner, sire (its runners) or horse over
// the stored races of the JRA racecourses: the starts of a period that a
// filter admits, in total and broken down by one dimension.

#include <vector>

#include "stats/subject.h"
#include "stats/tally.h"

namespace vantor::stats {

struct PersonRecord {
    Subject subject;
    RecordFilter filter;  // as applied: the period always bounded
    Dimension by;
    Tally total;
    std::vector<RecordRow> rows;
};

// The newest race day of the JRA racecourses in the database (yyyymmdd);
// 0 for a database without races.
int newestRaceDate(StatsDb& db);

// The filter's period completed: without a bound, the twelve months up to
// the newest race day (from the day after the same date a year before).
RecordFilter withDefaultPeriod(StatsDb& db, RecordFilter filter);

// Throws StatsError when the database fails.
PersonRecord personRecord(StatsDb& db, const Subject& subject, const RecordFilter& filter, Dimension by);

}  // namespace vantor::stats
