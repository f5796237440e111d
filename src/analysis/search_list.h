#pragma once
// The search list (RinsenComboChange): the runners of the whole loaded day
// that meet one of six criteria, in race-slot order and, within a race, in
// runner order.

#include <array>
#include <vector>

#include "raceday/race_day.h"

namespace vantor {

inline constexpr int kSearchListCols = 10;  // StringGrid7
inline constexpr int kSearchCriteria = 6;
using SearchListRow = std::array<SjisString, kSearchListCols>;

// The items of RinsenCombo, criterion 0 to 5.
const std::vector<SjisString>& searchCriteria();

// The data rows under the header row for criterion 0 to 5. A runner may
// give two rows (criteria 4 and 5: the earlier week slot first). Nothing
// matching gives one empty row. A criterion outside 0 to 5 (no item
// chosen) gives no rows: the list is only emptied and keeps its size.
std::vector<SearchListRow> searchListRows(const RaceDay& day, int criterion);

}  // namespace vantor
