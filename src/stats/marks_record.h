#pragma once
// The record of the user's marks (印) of one set: every runner marked in
// that set over a period, counted as the person records count, one row per
// mark in the marks' order (◎ ○ ▲ △ ☆ × 注) and the total. The marks are
// read from the marks file itself, not from the analysis database, which
// does not follow mark edits: a mark typed a moment ago counts.

#include <filesystem>
#include <optional>
#include <string>
#include <variant>

#include "stats/tally.h"
#include "usermarks/user_marks_file.h"

namespace vantor::stats {

struct MarksRecord {
    int set = 0;
    SjisString setName;   // the user's name of the set, or "印N"
    RecordFilter filter;  // as applied: the period always bounded
    Tally total;
    std::vector<RecordRow> rows;  // the seven marks, each labelled with its glyph
};

// The program folder's marks file, opened to read only (nothing of it is
// written or locked); none when there is no marks file; its problem (UTF-8)
// when it cannot be read.
std::variant<std::optional<UserMarksFile>, std::string> readUserMarksFile(const std::filesystem::path& appDir);

// The runs of the runners marked in `set` (1-8) that the filter admits,
// joined by race key and horse number; without a marks file, none. Throws
// StatsError when the database fails.
MarksRecord marksRecord(StatsDb& db, const std::optional<UserMarksFile>& marks, int set, const RecordFilter& filter);

}  // namespace vantor::stats
