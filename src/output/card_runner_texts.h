#pragma once
// The texts about a runner that the race card's horse and prize columns
// and the printed pages show alike.

#include "raceday/race_day.h"

namespace vantor::card {

// A name as the card shows it: without full-width blanks or padding.
SjisString cleanName(SjisView name);
// The first bytes of a long name (never half a character), cleaned.
SjisString shortName(SjisView name, std::size_t bytes);

// Carried weight, delivered in tenths of a kilogram ("570"), as the card
// and the pages show it: "57.0kg" (" 0.0kg" for none).
SjisString carriedWeightText(SjisView futan);
// The same as the check grid shows it: the delivered digits "57.0kg",
// nothing for a blank weight.
SjisString carriedWeightGridText(SjisView futan);

// Sex, age two wide and coat: "牡 4鹿  ".
SjisString profileText(const TRaceRec& race, int runner);
// Horse symbol, birthplace and birth date: "(父)日高    2020.04.01生".
SjisString originText(const TRaceRec& race, int runner);

// Earned prize money (a jump race counts the jump earnings only) and total
// prize money: "%8d千円".
SjisString earnedPrizeText(const TRaceRec& race, int runner);
SjisString totalPrizeText(const TRaceRec& race, int runner);
// The first four placings (1st to 4th) of a surface: " 3- 1- 0- 2".
SjisString placingsText(const std::array<i32, kFinishClasses>& counts);
// Predicted odds and their rank: " 12.3倍　 4人".
SjisString predictedOddsRankText(const TRaceRec& race, int runner);

}  // namespace vantor::card
