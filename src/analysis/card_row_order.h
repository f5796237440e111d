#pragma once
// The order of the race card's rows: one runner of the chosen race per row,
// in runner-slot order when the race is chosen, reordered by the order
// buttons ("馬番" and "ｸﾞﾙｰﾌﾟ").

#include <array>
#include <vector>

#include "analysis/runner_slot.h"
#include "raceday/race_day.h"

namespace vantor::card {

// The column the rows are ordered by: 1 (horse number) when "馬番" is
// down, 2 (order rank) when "ｸﾞﾙｰﾌﾟ" is, 0 when neither is.
int sortKeyColumn(bool byNumberDown, bool byGroupDown);

// The rows of race slot `race` as choosing it shows them: runner slots 0 to runners - 1.
std::vector<RunnerSlot> raceCardRows(int race, int runners);

// The texts of a runner's race card columns 1 and 2: its horse number as
// stored (two digits) and its order rank as "%2d".
std::array<SjisString, 2> raceCardKeys(const RaceDay& day, const RunnerSlot& runner);

// Orders rows ascending by the runners' key text of column keyCol (1 the
// horse number, 2 the order rank; every other column's text is empty),
// compared byte by byte; rows with equal key texts by their horse number
// text, and rows equal in both keep their order. Horse numbers are
// two-digit texts and ranks "%2d" texts, so byte order is numeric order.
void sortCardRows(const RaceDay& day, std::vector<RunnerSlot>& rows, int keyCol);

}  // namespace vantor::card
