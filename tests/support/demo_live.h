#pragma once
// Files a demo feed's real-time day into a program folder as the window's
// fetches would: every answer file of realtime/<yyyymmdd>/ stamped up to a
// time, in stamp order, through the store's LiveFiler.

#include <filesystem>
#include <string>

namespace vantor::test {

// until: "hhmm" on the day; gives an error text, empty on success.
std::string fileDemoLive(const std::filesystem::path& feed, const std::filesystem::path& appDir, const std::string& day,
                         const std::string& until);

}  // namespace vantor::test
