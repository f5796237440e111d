#pragma once
// Payouts of the day's ".jvHR" file matched to the race slots.

#include "raceday/race_day.h"

namespace vantor {

// Copies every whole payout record (at most 36) to the first race slot
// whose year, month-day, racecourse and race number (the 12-character
// payout key, without meeting and day) are the record's, and sets HrLoaded.
// A record whose key is blank matches nothing.
void matchPayouts(SjisView hrBytes, RaceDay& day);

}  // namespace vantor
