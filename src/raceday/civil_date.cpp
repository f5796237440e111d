#include "raceday/civil_date.h"

namespace vantor {
namespace {

bool isLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeapYear(y) ? 29 : kDays[m - 1];
}

// Days from 1970-01-01, counted in 400-year eras that start on 1 March so
// that the leap day falls at the end of each year.
int daysFromCivil(int y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

}  // namespace

std::optional<int> civilDayNumber(SjisView yyyymmdd) {
    const int y = lenientInt(field(yyyymmdd, 1, 4));
    const int m = lenientInt(field(yyyymmdd, 5, 2));
    const int d = lenientInt(field(yyyymmdd, 7, 2));
    if (y <= 0 || m < 1 || m > 12 || d < 1 || d > daysInMonth(y, m)) return std::nullopt;
    return daysFromCivil(y, m, d);
}

}  // namespace vantor
