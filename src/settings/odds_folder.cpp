#include "settings/odds_folder.h"

#include "fileio/folder_lookup.h"
#include "settings/setting.h"
#include "text/encoding.h"

namespace vantor {
namespace {

constexpr std::string_view kDefaultName = "ylzh";

// The predicted-odds archive folder; absent, the program folder's "ylzh".
Setting<SjisView> oddsFolder(SjisView defaultFolder) { return {"Dir", "yoso", defaultFolder}; }

}  // namespace

std::filesystem::path oddsArchiveFolder(const TIniGT& ini, const std::filesystem::path& appDir) {
    const SjisString fallback = utf8ToCp932((appDir / kDefaultName).string());
    const SjisString value = readSetting(ini, oddsFolder(fallback));
    if (value == fallback) return resolveFolder(appDir, kDefaultName);
    return cp932ToUtf8(value);
}

bool storeOddsArchiveFolder(TIniGT& ini, const std::filesystem::path& folder) {
    return writeSetting(ini, oddsFolder({}), utf8ToCp932(folder.string()));
}

}  // namespace vantor
