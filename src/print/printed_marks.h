#pragma once
// The user's marks and notes a printed race card shows when the user chose
// a set to print: per race slot the set's mark of each runner slot and the
// race's note, in Shift-JIS as the page draws them. Without a chosen set
// there is none, and the pages are as they are without marks.

#include <vector>

#include "raceday/race_day.h"
#include "usermarks/user_marks_file.h"

namespace vantor::print {

struct PrintedRaceMarks {
    PerRunner<SjisString> marks;  // the glyph of each runner slot's mark; empty for none
    SjisString note;              // the race note, its lines joined by a full-width blank
};
using PrintedMarks = std::vector<PrintedRaceMarks>;  // by race slot

// The marks of `set` and the race notes of race slots 0 .. races - 1.
PrintedMarks printedMarks(const RaceDay& day, int races, const UserMarksFile& file, int set);

}  // namespace vantor::print
