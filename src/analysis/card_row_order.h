#pragma once
// The order of the race card's rows: one runner of the chosen race per row,
// in runner-slot order when the race is chosen, reordered by the order
// buttons ("馬番" and "ｸﾞﾙｰﾌﾟ").

#include <array>
#include <vector>

#include "analysis/race_card.h"
#include "analysis/runner_slot.h"

namespace vantor::card {

// The column the rows are ordered by: kNumberColumn (horse number) when
// "馬番" is down, kHorseColumn (whose text is the order rank) when
// "ｸﾞﾙｰﾌﾟ" is, 0 when neither is.
int sortKeyColumn(bool byNumberDown, bool byGroupDown);

// The rows of race slot `race` as choosing it shows them: runner slots 0 to runners - 1.
std::vector<RunnerSlot> raceCardRows(int race, int runners);

// The texts of a runner's race card columns kNumberColumn to kHorseColumn:
// its horse number as stored (two digits), its user mark's glyph and its
// order rank as "%2d".
using RaceCardKeys = std::array<SjisString, kHorseColumn - kNumberColumn + 1>;
RaceCardKeys raceCardKeys(const RaceDay& day, const RunnerSlot& runner);

// Orders rows ascending by the runners' key text of column keyCol
// (kNumberColumn the horse number, kHorseColumn the order rank; every other
// column gives no order), compared byte by byte; rows with equal key texts
// by their horse number text, and rows equal in both keep their order.
// Horse numbers are two-digit texts and ranks "%2d" texts, so byte order is
// numeric order.
void sortCardRows(const RaceDay& day, std::vector<RunnerSlot>& rows, int keyCol);

}  // namespace vantor::card
