#include "shell/wine_link_settings.h"

#include <algorithm>
#include <cstdlib>

#include "settings/app_dir.h"
#include "settings/ini_gt.h"
#include "text/encoding.h"

namespace vantor {
namespace {

constexpr SjisView kFeedSection = "JVLinkFeed";
constexpr SjisView kWineSection = "JVLinkWine";
constexpr int kDefaultPaceMs = 20;  // enough to watch the download bar move
constexpr std::string_view kBridgeName = "vantor-jvbridge.exe";

std::filesystem::path defaultPrefix() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) return prefix;
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home ? home : "") / ".wine";
}

std::string readText(const TIniGT& ini, SjisView section, SjisView key, const std::string& fallback) {
    const SjisString value = ini.ReadString(section, key, "");
    return value.empty() ? fallback : cp932ToUtf8(value);
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
    c.source = ini.ReadString(kFeedSection, "Source", "folder") == "wine" ? JVLinkSource::wine : JVLinkSource::folder;
    // A relative folder is taken from the program folder, wherever the program was started from.
    c.feed.feedDir = appDir / readText(ini, kFeedSection, "Folder", defaultFeedFolder(appDir).string());
    c.feed.paceMs = std::clamp(ini.ReadInteger(kFeedSection, "Pace", kDefaultPaceMs), 0, 10000);
    const SjisString version = ini.ReadString(kFeedSection, "Version", "0490");
    c.feed.version = version.size() == 4 && isAllDigits(version) ? version : "0490";
    c.wine.command = readText(ini, kWineSection, "Command", "wine");
    c.wine.prefix = readText(ini, kWineSection, "Prefix", defaultPrefix().string());
    c.wine.bridge = readText(ini, kWineSection, "Bridge", defaultBridge().string());
    return c;
}

bool saveJVLinkChoice(TIniGT& ini, const JVLinkChoice& c) {
    return ini.WriteString(kFeedSection, "Source", c.source == JVLinkSource::wine ? "wine" : "folder") &&
           ini.WriteString(kFeedSection, "Folder", utf8ToCp932(c.feed.feedDir.string())) &&
           ini.WriteInteger(kFeedSection, "Pace", c.feed.paceMs) &&
           ini.WriteString(kWineSection, "Command", utf8ToCp932(c.wine.command)) &&
           ini.WriteString(kWineSection, "Prefix", utf8ToCp932(c.wine.prefix.string())) &&
           ini.WriteString(kWineSection, "Bridge", utf8ToCp932(c.wine.bridge.string()));
}

}  // namespace vantor
