#pragma once
// The race day's live state from the store: the files of Live/<yyyymmdd>/
// (live_folder.h) applied to a LiveDay as the answers that filed them, so
// that the state loaded equals the one the answers built; a folder of the
// earlier layout loads as well. Each file is read once, within what it can
// hold. A missing folder is a day with nothing announced.

#include "raceday/live_day.h"
#include "raceday/load_files.h"
#include "store/store_paths.h"

namespace vantor {

// Resets live to day ("yyyymmdd") and applies the day's live files.
void loadLiveDay(const StorePaths& paths, SjisView day, LiveDay& live, const FileReader& reader = readFilePart);

}  // namespace vantor
