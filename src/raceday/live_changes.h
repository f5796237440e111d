#pragma once
// What changed between two live states of a race day, as lines a person
// reads (Shift-JIS), each beginning with its announce time, or the time
// now where the service gives none:
//
//   10:42 東京 5R 7番 出走取消(疾病)
//   10:45 東京 11R 単勝1番人気 3番 2.4倍
//
// One line per scratch or exclusion, jockey change (before → after), post-
// time and course change, and each one withdrawn; per race one line for
// its body weights and one when its favourite changes (never one per odds
// tick); per racecourse one for the weather and one for the going. Lines
// come in time order, and within a time per racecourse and race.

#include <vector>

#include "raceday/live_day.h"
#include "text/sjis.h"

namespace vantor {

// now: "hh:mm". out is refilled.
void liveChangeLines(const LiveDay& before, const LiveDay& after, SjisView now, std::vector<SjisString>& out);

}  // namespace vantor
