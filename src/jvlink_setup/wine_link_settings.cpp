#include "jvlink_setup/wine_link_settings.h"

#include <algorithm>
#include <cstdlib>

#include "settings/app_dir.h"
#include "settings/path_setting.h"
#include "settings/setting.h"

namespace vantor {
namespace {

constexpr int kDefaultPaceMs = 20;  // enough to watch the download bar move
constexpr std::string_view kBridgeName = "vantor-jvbridge.exe";

// Where JV-Link's data comes from: "folder" (a feed folder) or "wine".
constexpr Setting<SjisView> kSource{"JVLinkFeed", "Source", "folder"};
// The feed folder's settings. An empty folder means the program's own.
constexpr PathSetting kFeedFolder{"JVLinkFeed", "Folder"};
// The pace between files, in milliseconds: at most ten seconds.
constexpr Setting<int> kFeedPace{"JVLinkFeed", "Pace", kDefaultPaceMs,
                                 [](int stored, int) { return std::clamp(stored, 0, 10000); }};
// The version the feed's JV-Link reports: four digits.
constexpr Setting<SjisView> kFeedVersion{"JVLinkFeed", "Version", "0490", [](SjisView stored, SjisView fallback) {
                                             return stored.size() == 4 && isAllDigits(stored) ? stored : fallback;
                                         }};
// JV-Link under Wine. Empty values mean the defaults: "wine", the
// environment's prefix, the bridge installed with the program.
constexpr PathSetting kWineCommand{"JVLinkWine", "Command"};
constexpr PathSetting kWinePrefix{"JVLinkWine", "Prefix"};
constexpr PathSetting kWineBridge{"JVLinkWine", "Bridge"};

std::filesystem::path defaultPrefix() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) return prefix;
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home ? home : "") / ".wine";
}

// The stored path, or `fallback` when there is none or it is empty.
std::filesystem::path readPath(const TIniGT& ini, const PathSetting& setting, const std::filesystem::path& fallback) {
    const auto value = readSetting(ini, setting);
    return value && !value->empty() ? *value : fallback;
}

}  // namespace

std::filesystem::path defaultFeedFolder(const std::filesystem::path& appDir) { return appDir / "jvfeed"; }

std::filesystem::path defaultBridge() {
    // Installed: <prefix>/bin/vantor and <prefix>/share/vantor/vantor-jvbridge.exe.
    const std::filesystem::path installed = executablePath().parent_path().parent_path() / "share/vantor" / kBridgeName;
    std::error_code error;
    if (std::filesystem::is_regular_file(installed, error)) return installed;
    return VANTOR_BRIDGE_BUILD_FILE;
}

JVLinkChoice readJVLinkChoice(const std::filesystem::path& appDir, const TIniGT& ini) {
    JVLinkChoice c;
    c.source = readSetting(ini, kSource) == "wine" ? JVLinkSource::wine : JVLinkSource::folder;
    // A relative folder is taken from the program folder, wherever the program was started from.
    c.feed.feedDir = appDir / readPath(ini, kFeedFolder, defaultFeedFolder(appDir));
    c.feed.paceMs = readSetting(ini, kFeedPace);
    c.feed.version = readSetting(ini, kFeedVersion).bytes();  // the link's texts are Shift-JIS bytes
    c.wine.command = readPath(ini, kWineCommand, "wine").native();
    c.wine.prefix = readPath(ini, kWinePrefix, defaultPrefix());
    c.wine.bridge = readPath(ini, kWineBridge, defaultBridge());
    return c;
}

bool saveJVLinkChoice(TIniGT& ini, const JVLinkChoice& c) {
    SettingsBatch batch(ini);
    writeSetting(batch, kSource, c.source == JVLinkSource::wine ? "wine"_sjis : "folder"_sjis);
    writeSetting(batch, kFeedFolder, c.feed.feedDir);
    writeSetting(batch, kFeedPace, c.feed.paceMs);
    writeSetting(batch, kWineCommand, c.wine.command);
    writeSetting(batch, kWinePrefix, c.wine.prefix);
    writeSetting(batch, kWineBridge, c.wine.bridge);
    return batch.commit();
}

}  // namespace vantor
