#pragma once
// KOL predicted odds ("kol_ods.kd2") to predicted-odds lines. KOL writes
// odds as whole tenths; "*" stands for a figure it does not give, "-" for
// none at all.

#include <cstddef>

#include "record_layouts/odds_line_layouts.h"
#include "text/sjis.h"

namespace vantor {

// Appends one odds field: "*" (blanks around it ignored) gives
// placeholder, "-" gives width blanks, anything else is read as tenths
// (blank as 0) and written as printf's "%<width>.1f" writes them.
void appendKolOddsField(SjisString& out, SjisView text, SjisView placeholder, std::size_t width);

// The ".yoz" line (without CR LF) of one KOL line. Quinella odds come from
// the quinella block when horsePairs is set, otherwise from the
// bracket-quinella block for the pairs of horses 1 to 8 (blank for others).
SjisString kolYozLine(SjisView line, bool horsePairs);

// Whether a KOL line's quinella odds come from its quinella block: for
// more than 8 runners, and for every race once the chosen day lies in 2005
// or later.
bool kolUsesHorsePairs(SjisView line, bool chosenDayFrom2005);

// The date of a KOL line (yyyymmdd).
inline SjisView kolDate(SjisView line) { return jvdata::get(line, kol::Date); }

}  // namespace vantor
