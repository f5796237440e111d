#pragma once
// The user's marks file and the mark set for the commands that show marks.

#include <optional>

#include "commands.h"
#include "usermarks/user_marks_file.h"

namespace vantor::cli {

// The set an option (--set, --marks) names: nothing when it is not given;
// false, after a message, when it names no set.
bool readMarkSet(const Context& ctx, const char* option, std::optional<int>& set);

// The program folder's marks file, made only when `make`: a command that
// reads no marks in makes none, and without the file there are no marks.
// What the open kept aside is said on standard error; false, after a
// message, when the file cannot be opened.
bool openMarksFile(const Context& ctx, bool make, std::optional<UserMarksFile>& file);

}  // namespace vantor::cli
