#pragma once
// The folder the odds archives are looked for in: "Dir"/"yoso" of the
// settings, by default the program folder's "ylzh".

#include <filesystem>

#include "settings/ini_gt.h"

namespace vantor {

// The stored folder as it is (empty when stored empty). The default is the
// store's odds folder, which start-up makes as "yLzh": a folder of that
// name in any letter case is taken.
std::filesystem::path oddsArchiveFolder(const TIniGT& ini, const std::filesystem::path& appDir);

bool storeOddsArchiveFolder(TIniGT& ini, const std::filesystem::path& folder);

}  // namespace vantor
