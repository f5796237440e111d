#pragma once
// Predicted odds of the day's ".yoz" file: matching its records to the
// race slots, each runner's predicted win odds and the ranks they give.

#include "raceday/race_day.h"

namespace vantor {

// Matches every whole record (at most 36) to the first race slot with the
// same date, racecourse name and race number. The racecourse code of a
// JRDB record ("J" at 17) is a JRA code; that of a KOL record is the odds
// service's own digit. A matched race gets YozTbl, YozLoaded and its odds.
void matchPredictedOdds(SjisView yozBytes, RaceDay& day);

// Sets each runner's predicted win odds from its odds text in YozTbl when
// that is not blank.
void setPredictedOdds(RaceDay& day, int r);

// Ranks the runners with odds above 0 by their odds, lowest first, equal
// odds by horse number; others get rank 0.
PerRunner<i32> predictedOddsRanks(const PerRunner<double>& odds);
void rankPredictedOdds(TRaceRec& race);

// The value of an odds text ("  12.3"); 0 when it holds no number.
double oddsValue(SjisView text);

}  // namespace vantor
