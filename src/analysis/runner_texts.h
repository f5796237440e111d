#pragma once
// The texts about a runner and its race that more than one view shows:
// the race card, the card check, the number-sign list and the printed
// pages. Where two views show a value differently, each form has its own
// name.

#include "raceday/race_day.h"

namespace vantor::card {

// A name as the card shows it: without full-width blanks or padding.
SjisString cleanName(SjisView name);
// The card's and the pages' short form of a long name: its first bytes
// (never half a character), then cleaned.
SjisString cardShortName(SjisView name, std::size_t bytes);
// The number-sign list's short form of an owner or trainer shown where it
// repeats: trimmed and without full-width blanks first, then at most six
// bytes (never half a character).
SjisString markShortName(SjisView name);

// Carried weight, delivered in tenths of a kilogram ("570"), as the card
// and the pages show it: "57.0kg" (" 0.0kg" for none).
SjisString carriedWeightText(SjisView futan);
// The same as the check grid shows it: the delivered digits "57.0kg",
// nothing for a blank weight.
SjisString carriedWeightGridText(SjisView futan);

// Sex symbol and age as the lists show them: "牡4", "牝" without an age.
SjisString sexAgeText(const TRaceRec& race, int runner);
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
