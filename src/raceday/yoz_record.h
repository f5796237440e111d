#pragma once
// The fields of a predicted-odds (".yoz") record that day loading reads.
// One record per race: 1459 characters and CR LF.

#include <cstddef>

#include "store/record_field.h"

namespace vantor::yoz {

inline constexpr std::size_t kLength = 1461;

inline constexpr jvdata::Field Date{1, 8};        // yyyymmdd
inline constexpr jvdata::Field CourseCode{9, 2};  // racecourse code as the odds service gives it
inline constexpr jvdata::Field Kaiji{11, 2};      // meeting number
inline constexpr jvdata::Field Nichiji{13, 2};    // day of the meeting
inline constexpr jvdata::Field RaceNum{15, 2};
inline constexpr jvdata::Field Source{17, 1};          // "J" JRDB, otherwise KOL
inline constexpr jvdata::Field WinOdds{20, 6, 18, 6};  // horse number n: "%6.1f" or blanks

}  // namespace vantor::yoz
