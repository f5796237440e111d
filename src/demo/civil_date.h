#pragma once
// Calendar arithmetic on day numbers (days since 1970-01-01) and the
// yyyymmdd numbers the records carry.

namespace vantor::demo {

struct Ymd {
    int y = 1970, m = 1, d = 1;
};

int dayNumber(int y, int m, int d);
Ymd civil(int day);
int dayFromYmd(int yyyymmdd);
int ymdFromDay(int day);
// 0 Sunday .. 6 Saturday.
int weekday(int day);
// True for a yyyymmdd that names a real date from 1900 to 9999.
bool isValidYmd(int yyyymmdd);
// Day number of the n-th (1-based) given weekday of a month.
int nthWeekday(int y, int m, int wday, int n);
// Today's date in local time, yyyymmdd.
int todayYmd();

}  // namespace vantor::demo
