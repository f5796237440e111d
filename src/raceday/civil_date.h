#pragma once
// Day counts between the yyyymmdd dates of the records, on the proleptic
// Gregorian calendar.

#include <optional>

#include "text/sjis.h"

namespace vantor {

// Days since 1970-01-01 of a yyyymmdd text; none when the year, month or
// day is 0 (a missing date) or the date does not exist.
std::optional<int> civilDayNumber(SjisView yyyymmdd);

// Days from day number `from` to day number `to`; 0 when either is none.
constexpr int daysBetween(std::optional<int> from, std::optional<int> to) { return from && to ? *to - *from : 0; }

}  // namespace vantor
