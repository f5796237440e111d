#include "demo/civil_date.h"

#include <ctime>

namespace vantor::demo {

// The days-from-civil algorithm: exact for every proleptic Gregorian date.
int dayNumber(int y, int m, int d) {
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

Ymd civil(int day) {
    day += 719468;
    const int era = (day >= 0 ? day : day - 146096) / 146097;
    const int doe = day - era * 146097;
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    const int d = doy - (153 * mp + 2) / 5 + 1;
    const int m = mp < 10 ? mp + 3 : mp - 9;
    return {yoe + era * 400 + (m <= 2), m, d};
}

int dayFromYmd(int yyyymmdd) { return dayNumber(yyyymmdd / 10000, yyyymmdd / 100 % 100, yyyymmdd % 100); }

int ymdFromDay(int day) {
    const Ymd c = civil(day);
    return c.y * 10000 + c.m * 100 + c.d;
}

int weekday(int day) { return ((day + 4) % 7 + 7) % 7; }  // 1970-01-01 was a Thursday

bool isValidYmd(int yyyymmdd) {
    const int y = yyyymmdd / 10000, m = yyyymmdd / 100 % 100, d = yyyymmdd % 100;
    if (y < 1900 || y > 9999 || m < 1 || m > 12 || d < 1) return false;
    return ymdFromDay(dayNumber(y, m, d)) == yyyymmdd;
}

int nthWeekday(int y, int m, int wday, int n) {
    const int first = dayNumber(y, m, 1);
    return first + (wday - weekday(first) + 7) % 7 + (n - 1) * 7;
}

int todayYmd() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return (local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday;
}

}  // namespace vantor::demo
