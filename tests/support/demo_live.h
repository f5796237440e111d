#pragma once
// Files a demo feed's real-time day into a program folder as the window's
// fetches would: every answer file of realtime/<yyyymmdd>/ stamped up to a
// time, in stamp order, through the store's LiveFiler.

#include <filesystem>
#include <string>

#include "text/sjis_string.h"

namespace vantor::test {

// day: yyyymmdd, also the name of its folder; until: "hhmm" on the day.
// Gives an error text, empty on success.
std::string fileDemoLive(const std::filesystem::path& feed, const std::filesystem::path& appDir, SjisView day,
                         const std::string& until);

}  // namespace vantor::test
