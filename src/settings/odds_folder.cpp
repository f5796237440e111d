#include "settings/odds_folder.h"

#include "fileio/folder_lookup.h"
#include "text/encoding.h"

namespace vantor {
namespace {

constexpr SjisView kSection = "Dir";
constexpr SjisView kKey = "yoso";
constexpr std::string_view kDefaultName = "ylzh";

}  // namespace

std::filesystem::path oddsArchiveFolder(const TIniGT& ini, const std::filesystem::path& appDir) {
    const SjisString fallback = utf8ToCp932((appDir / kDefaultName).string());
    const SjisString value = ini.ReadString(kSection, kKey, fallback);
    if (value == fallback) return resolveFolder(appDir, kDefaultName);
    return cp932ToUtf8(value);
}

bool storeOddsArchiveFolder(TIniGT& ini, const std::filesystem::path& folder) {
    return ini.WriteString(kSection, kKey, utf8ToCp932(folder.string()));
}

}  // namespace vantor
