#pragma once
// The day's live state put into the race slots as the card, the printed
// card and the header show it: per runner a scratch or exclusion and its
// reason, a jockey change, today's body weight and the win odds with
// their popularity; per race the odds' announce time, a post-time or course
// change, the runners left out of the count, the weather and going of its
// racecourse and the time of its latest announcement. Nothing announced
// leaves every live field empty.

#include "raceday/race_day.h"

namespace vantor {

// Fills the live fields of every race slot in use from day.live().
void fillLiveCard(RaceDay& day);

// "hh:mm" of an announce time MMDDhhmm; empty for none or "00000000".
SjisString liveClockText(const LiveTime& time);

}  // namespace vantor
