#pragma once
// The user guide, an HTML page built into the program and written into the
// program folder, where the desktop browser can open it.

#include <filesystem>

namespace vantor {

// Makes file hold the built-in guide, rewriting it only when it differs
// (an older program's guide). True when file holds the guide afterwards.
bool writeHelpPage(const std::filesystem::path& file);

}  // namespace vantor
