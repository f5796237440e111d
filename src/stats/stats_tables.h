#pragma once
// Records and careers as tables of texts (Shift-JIS): the figures written
// once here for every view that shows them (the command line's text and
// CSV, the window's grids).

#include <vector>

#include "stats/horse_career.h"
#include "stats/marks_record.h"
#include "stats/person_record.h"

namespace vantor::stats {

struct TextTable {
    SjisString title;
    std::vector<SjisString> headings;
    std::vector<bool> numeric;  // per column: right-aligned
    std::vector<std::vector<SjisString>> rows;
};

// The breakdown rows, then the total "計": starts, 1st, 2nd, 3rd,
// unplaced, win, top-two and top-three rates, win and place return rates.
TextTable recordTable(const PersonRecord& record);
// The same figures of a set's marks, a row per mark (◎ ○ ▲ △ ☆ × 注) and
// the total, titled with the set's name and the filter.
TextTable marksTable(const MarksRecord& record);
// A career's runs, one row each, newest first.
TextTable careerTable(const HorseCareer& career);
// A career's totals by one dimension: starts, 1st-2nd-3rd-unplaced, win
// and top-three rates, and the total "計".
TextTable careerTotalsTable(Dimension by, const std::vector<RecordRow>& rows, const Tally& total);

// The title line of a record: who, the period and the filter's other limits.
SjisString recordTitle(const PersonRecord& record);

}  // namespace vantor::stats
