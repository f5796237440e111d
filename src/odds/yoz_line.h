#pragma once
// Building lines of the day's predicted-odds file (".yoz"): one line per
// race, 1459 characters before its CR LF, so that the file reads as fixed
// records of yoz::kLength bytes.
//
//     1-   8  date, yyyymmdd
//     9-  10  racecourse code as the odds service gives it
//    11-  16  meeting number, day of meeting, race number, two characters each
//    17       source: "J" JRDB, "K" KOL
//    18-  19  number of runners
//    20- 127  win odds of horse numbers 1-18, 6 characters each
//   128- 235  place odds of horse numbers 1-18, 6 characters each
//   236-1459  quinella odds of the 153 horse pairs 1-2, 1-3, ..., 17-18, 8 characters each

#include <cstddef>

#include "raceday/yoz_record.h"
#include "text/sjis.h"

namespace vantor {

inline constexpr std::size_t kYozLineLength = yoz::kLength - 2;
inline constexpr int kYozHorses = 18;
inline constexpr int kYozHorsePairs = 153;

// Appends bytes pos .. pos+len-1 (1-based) of a source line, padded with
// blanks where the line is shorter, so that every field keeps its width.
// A line's some 340 fields go straight into its text, with no text of
// their own.
inline void appendSourceField(SjisString& out, SjisView line, std::size_t pos, std::size_t len) {
    const SjisView text = field(line, pos, len);
    out += text;
    out.append(len - text.size(), ' ');
}

}  // namespace vantor
