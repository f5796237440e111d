#pragma once
// Calendar arithmetic on the proleptic Gregorian calendar, on std::chrono:
// day numbers (days since 1970-01-01), the yyyymmdd dates the records
// carry as numbers or texts, and the time stamps of the feed files.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "text/sjis.h"

namespace vantor {

struct Ymd {
    int y = 1970, m = 1, d = 1;
};

// The day number of a date; a day beyond the month's end counts on into
// the next month.
int dayNumber(int y, int m, int d);
Ymd civil(int day);
int dayFromYmd(int yyyymmdd);
int ymdFromDay(int day);
// 0 Sunday .. 6 Saturday.
int weekday(int day);
// Day number of the n-th (1-based) given weekday of a month.
int nthWeekday(int y, int m, int wday, int n);
// Today's date in local time, yyyymmdd.
int todayYmd();

// True for a yyyymmdd that names a real date from 1900 to 9999.
bool isValidYmd(int yyyymmdd);
// Eight digits that name a real date from 1900 to 9999.
bool isValidDateText(std::string_view yyyymmdd);
// Fourteen digits "yyyymmddhhnnss": a real date from 1900 and a time of day.
bool isValidTimeStampText(std::string_view stamp);

// Race-day times are Japan time (UTC+9, no daylight saving) whatever the
// machine's time zone: a moment as "yyyymmddhhnnss" there, and back; none
// for a text that is no valid stamp.
std::string japanTimeStamp(std::chrono::sys_seconds moment);
std::optional<std::chrono::sys_seconds> japanMoment(std::string_view stamp);

// The day number of a yyyymmdd text read leniently; none when the year,
// month or day is 0 (a missing date) or the date does not exist.
std::optional<int> civilDayNumber(SjisView yyyymmdd);
// Days from day number `from` to day number `to`; 0 when either is none.
constexpr int daysBetween(std::optional<int> from, std::optional<int> to) { return from && to ? *to - *from : 0; }

}  // namespace vantor
