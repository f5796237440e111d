#pragma once
// The lines of the two odds services' files, one per race, each ending in
// CR LF. Positions are 1-based byte positions.
//
// JRDB base odds ("Oz" + yymmdd + ".txt"), odds as decimals ("%5.1f",
// "%5.0f" from 1000 on), blanks where there are none:
//     1-   2  racecourse code (JRA)
//     3-   4  year, two digits
//     5       meeting number, one hexadecimal digit
//     6       day of meeting, one hexadecimal digit
//     7-   8  race number
//     9-  10  number of runners
//    11- 100  win odds of horse numbers 1-18, 5 characters each
//   101- 190  place odds of horse numbers 1-18, 5 characters each
//   191- 955  quinella odds of the 153 horse pairs 1-2, 1-3, ..., 17-18, 5 characters each
//
// KOL predicted odds ("kol_ods.kd2"), odds as whole tenths right-aligned;
// "*" where the service has no figure for a runner, "-" where there is no
// runner or pair:
//     1-   2  racecourse number of the service: "00" Kyoto, "01" Hanshin, "02" Chukyo,
//             "03" Kokura, "04" Tokyo, "05" Nakayama, "06" Fukushima, "07" Niigata,
//             "08" Sapporo, "09" Hakodate
//     3-   6  blank
//     7-   8  meeting number
//     9-  10  day of meeting
//    11-  12  race number
//    13-  20  date, yyyymmdd
//    21-  80  race name (Shift-JIS, blank-padded)
//    81- 109  blank
//   110- 111  number of runners
//   112- 161  blank
//   162- 251  win odds of horse numbers 1-18, 5 characters each
//   252- 431  bracket-quinella odds of the 36 bracket pairs 1-1, 1-2, ..., 8-8, 5 characters each
//   432-1502  quinella odds of the 153 horse pairs, 7 characters each

#include <string>

#include "demo/odds_book.h"

namespace vantor::demo {

std::string jrdbOddsLine(const Race& race, const OddsBook& book);
std::string kolOddsLine(const Race& race, const OddsBook& book);

}  // namespace vantor::demo
