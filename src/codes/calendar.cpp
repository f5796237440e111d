#include "codes/calendar.h"

#include <chrono>
#include <ctime>

#include "text/formatted.h"

namespace vantor {
namespace {

namespace chr = std::chrono;

constexpr chr::hours kJapanOffset{9};

chr::year_month_day ymdOf(int y, int m, int d) {
    return {chr::year(y), chr::month(static_cast<unsigned>(m)), chr::day(static_cast<unsigned>(d))};
}

bool isRealDate(int y, int m, int d) { return m >= 1 && m <= 12 && d >= 1 && d <= 31 && ymdOf(y, m, d).ok(); }

}  // namespace

int dayNumber(int y, int m, int d) {
    // The month's first day, then the day offset: months past December and
    // days past the month's end roll over into the following ones.
    const chr::year_month month = chr::year(y) / chr::January + chr::months(m - 1);
    const chr::sys_days first{month / 1};
    return static_cast<int>(first.time_since_epoch().count()) + d - 1;
}

Ymd civil(int day) {
    const chr::year_month_day ymd{chr::sys_days{chr::days{day}}};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

int dayFromYmd(int yyyymmdd) { return dayNumber(yyyymmdd / 10000, yyyymmdd / 100 % 100, yyyymmdd % 100); }

int ymdFromDay(int day) {
    const Ymd c = civil(day);
    return c.y * 10000 + c.m * 100 + c.d;
}

int weekday(int day) { return static_cast<int>(chr::weekday(chr::sys_days{chr::days{day}}).c_encoding()); }

int nthWeekday(int y, int m, int wday, int n) {
    const int first = dayNumber(y, m, 1);
    return first + (wday - weekday(first) + 7) % 7 + (n - 1) * 7;
}

int todayYmd() {
    const std::time_t now = std::time(nullptr);
    // One thread asks, so the shared result of std::localtime is safe here,
    // and it builds on every platform the bridge is made for.
    const std::tm local = *std::localtime(&now);
    return (local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday;
}

bool isValidYmd(int yyyymmdd) {
    const int y = yyyymmdd / 10000;
    return y >= 1900 && y <= 9999 && isRealDate(y, yyyymmdd / 100 % 100, yyyymmdd % 100);
}

bool isValidDateText(std::string_view yyyymmdd) {
    return yyyymmdd.size() == 8 && isAllDigits(yyyymmdd) && isValidYmd(lenientInt(yyyymmdd));
}

bool isValidTimeStampText(std::string_view stamp) {
    if (stamp.size() != 14 || !isAllDigits(stamp) || !isValidDateText(stamp.substr(0, 8))) return false;
    return lenientInt(stamp.substr(8, 2)) <= 23 && lenientInt(stamp.substr(10, 2)) <= 59 &&
           lenientInt(stamp.substr(12, 2)) <= 59;
}

std::string japanTimeStamp(chr::sys_seconds moment) {
    const chr::sys_seconds local = moment + kJapanOffset;
    const chr::sys_days day = chr::floor<chr::days>(local);
    const chr::hh_mm_ss<chr::seconds> time{local - day};
    const Ymd d = civil(static_cast<int>(day.time_since_epoch().count()));
    return formattedUtf8("%04d%02d%02d%02d%02d%02d", d.y, d.m, d.d, static_cast<int>(time.hours().count()),
                         static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count()));
}

std::optional<chr::sys_seconds> japanMoment(std::string_view stamp) {
    if (!isValidTimeStampText(stamp)) return std::nullopt;
    const int day = dayFromYmd(lenientInt(stamp.substr(0, 8)));
    const chr::seconds time = chr::hours(lenientInt(stamp.substr(8, 2))) +
                              chr::minutes(lenientInt(stamp.substr(10, 2))) +
                              chr::seconds(lenientInt(stamp.substr(12, 2)));
    return chr::sys_seconds{chr::days{day}} + time - kJapanOffset;
}

std::optional<int> civilDayNumber(SjisView yyyymmdd) {
    const int y = lenientInt(field(yyyymmdd, 1, 4));
    const int m = lenientInt(field(yyyymmdd, 5, 2));
    const int d = lenientInt(field(yyyymmdd, 7, 2));
    if (y <= 0 || !isRealDate(y, m, d)) return std::nullopt;
    return dayNumber(y, m, d);
}

}  // namespace vantor
