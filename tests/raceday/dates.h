#pragma once
// Calendar help for race-day tests, on the standard library's calendar so
// that it checks the day counts of the code under test independently.

#include <chrono>

#include "text/formatted.h"
#include "text/sjis.h"

namespace vantor::test {

// The yyyymmdd text `days` days before the yyyymmdd date (after, when negative),
// as a record holds it.
inline SjisString daysBefore(int yyyymmdd, int days) {
    using namespace std::chrono;
    const year_month_day from{year(yyyymmdd / 10000), month(static_cast<unsigned>(yyyymmdd / 100 % 100)),
                              day(static_cast<unsigned>(yyyymmdd % 100))};
    const year_month_day to{sys_days(from) - std::chrono::days(days)};
    return formatted("%04d%02u%02u", static_cast<int>(to.year()), static_cast<unsigned>(to.month()),
                     static_cast<unsigned>(to.day()));
}

inline int daysBeforeNum(int yyyymmdd, int days) { return lenientInt(daysBefore(yyyymmdd, days)); }

}  // namespace vantor::test
