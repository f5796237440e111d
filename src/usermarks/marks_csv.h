#pragma once
// Marks as CSV text (UTF-8), one mark a line: race key, horse number, set,
// mark ("2024052605021101,3,1,◎"), so that marks move between program
// folders and in from other tools. A mark may also be given by its number
// (1-7); a first line of column names is allowed.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "usermarks/user_marks_file.h"

namespace vantor {

inline constexpr std::string_view kUserMarksCsvHeader = "race_key,umaban,set,mark";

// The rows, each line as "race key,umaban,set,glyph" after the header line.
std::string userMarksCsv(const std::vector<UserMarkRow>& rows);

// Every row of the text, or the first line that cannot be read, named with
// its number ("3 行目: ..."); a blank line is skipped.
std::variant<std::vector<UserMarkRow>, std::string> parseUserMarksCsv(std::string_view text);

}  // namespace vantor
