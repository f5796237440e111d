#pragma once
// The horse-name index: the first character (two bytes) of every runner's
// name, trimmed and without full-width blanks, in a sorted list without
// duplicates.

#include <vector>

#include "raceday/race_day.h"

namespace vantor {

// Adds the initials of the race's runners (slots below the head count).
void addHorseInitials(const TRaceRec& race, std::vector<SjisString>& initials);

}  // namespace vantor
