#pragma once
// The cell texts of the main window's runner grids, header row included,
// one function per grid. The window writes them into its grids and the
// command line prints them as the grids' copy buttons copy them, so both
// show the same cells.

#include <vector>

#include "analysis/clipboard_text.h"
#include "analysis/horse_search.h"
#include "analysis/race_card.h"
#include "analysis/runner_slot.h"

namespace vantor {

GridCells signCheckGrid(const RaceCardTexts& card);          // StringGrid1, "暗号ﾁｪｯｸ"
GridCells cardCheckGrid(const RaceCardTexts& card);          // StringGrid2, "出馬表ﾁｪｯｸ"
GridCells horseSearchGrid(const HorseSearchResult& result);  // StringGrid3, "競走馬検索"
// StringGrid7, "検索ﾘｽﾄ": criterion 0 to 5; no rows for any other.
GridCells searchListGrid(const RaceDay& day, int criterion);
// StringGrid4, "出馬表": one row per runner of rows, in order, holding its
// horse number, user mark and order rank in columns 1 to 3 (raceCardKeys);
// the painting draws everything else.
GridCells raceCardGrid(const RaceDay& day, const std::vector<RunnerSlot>& rows);

}  // namespace vantor
