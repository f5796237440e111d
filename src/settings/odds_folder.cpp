#include "settings/odds_folder.h"

#include "fileio/folder_lookup.h"
#include "settings/path_setting.h"

namespace vantor {
namespace {

constexpr std::string_view kDefaultName = "ylzh";

// The predicted-odds archive folder; absent, the program folder's "ylzh".
constexpr PathSetting kOddsFolder{"Dir", "yoso"};

}  // namespace

std::filesystem::path oddsArchiveFolder(const TIniGT& ini, const std::filesystem::path& appDir) {
    const auto value = readSetting(ini, kOddsFolder);
    if (!value || *value == appDir / kDefaultName) return resolveFolder(appDir, kDefaultName);
    return *value;
}

bool storeOddsArchiveFolder(TIniGT& ini, const std::filesystem::path& folder) {
    return writeSetting(ini, kOddsFolder, folder);
}

}  // namespace vantor
