#pragma once
// Header texts (row 0) of the main window's grids, shared by the windows,
// the clipboard and the command line.

#include <vector>

#include "text/sjis.h"

namespace vantor {

const std::vector<SjisString>& cardCheckHeaders();    // StringGrid2, "出馬表ﾁｪｯｸ": 32 columns
const std::vector<SjisString>& raceCardHeaders();     // StringGrid4 and StringGrid5: 12 columns
const std::vector<SjisString>& signCheckHeaders();    // StringGrid1, "暗号ﾁｪｯｸ": 12 columns
const std::vector<SjisString>& horseSearchHeaders();  // StringGrid3, "競走馬検索": 9 columns
const std::vector<SjisString>& searchListHeaders();   // StringGrid7, "検索ﾘｽﾄ": 10 columns

}  // namespace vantor
