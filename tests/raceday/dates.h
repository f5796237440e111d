#pragma once
// Calendar help for race-day tests, on the standard library's calendar so
// that it checks the day counts of the code under test independently.

#include <chrono>
#include <cstdio>
#include <string>

namespace vantor::test {

// The yyyymmdd text `days` days before the yyyymmdd date (after, when negative).
inline std::string daysBefore(int yyyymmdd, int days) {
    using namespace std::chrono;
    const year_month_day from{year(yyyymmdd / 10000), month(static_cast<unsigned>(yyyymmdd / 100 % 100)),
                              day(static_cast<unsigned>(yyyymmdd % 100))};
    const year_month_day to{sys_days(from) - std::chrono::days(days)};
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02u%02u", static_cast<int>(to.year()), static_cast<unsigned>(to.month()),
                  static_cast<unsigned>(to.day()));
    return text;
}

inline int daysBeforeNum(int yyyymmdd, int days) { return std::stoi(daysBefore(yyyymmdd, days)); }

}  // namespace vantor::test
