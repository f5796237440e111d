#include "shell/wine_link_settings.h"

#include <cstdlib>

#include "settings/app_dir.h"
#include "settings/ini_gt.h"
#include "text/encoding.h"

namespace vantor {
namespace {

constexpr SjisView kSourceSection = "JVLinkFeed";
constexpr SjisView kWineSection = "JVLinkWine";
constexpr std::string_view kBridgeName = "vantor-jvbridge.exe";

std::filesystem::path defaultPrefix() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) return prefix;
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home ? home : "") / ".wine";
}

std::string readText(const TIniGT& ini, SjisView key, const std::string& fallback) {
    const SjisString value = ini.ReadString(kWineSection, key, "");
    return value.empty() ? fallback : cp932ToUtf8(value);
}

}  // namespace

std::filesystem::path defaultBridge() {
    // Installed: <prefix>/bin/vantor and <prefix>/share/vantor/vantor-jvbridge.exe.
    const std::filesystem::path installed = executablePath().parent_path().parent_path() / "share/vantor" / kBridgeName;
    std::error_code error;
    if (std::filesystem::is_regular_file(installed, error)) return installed;
    return VANTOR_BRIDGE_BUILD_FILE;
}

JVLinkSource readJVLinkSource(const TIniGT& ini) {
    return ini.ReadString(kSourceSection, "Source", "folder") == "wine" ? JVLinkSource::wine : JVLinkSource::folder;
}

WineSettings readWineSettings(const TIniGT& ini) {
    WineSettings s;
    s.command = readText(ini, "Command", "wine");
    s.prefix = readText(ini, "Prefix", defaultPrefix().string());
    s.bridge = readText(ini, "Bridge", defaultBridge().string());
    return s;
}

bool saveJVLinkSource(TIniGT& ini, JVLinkSource source, const WineSettings& wine) {
    return ini.WriteString(kSourceSection, "Source", source == JVLinkSource::wine ? "wine" : "folder") &&
           ini.WriteString(kWineSection, "Command", utf8ToCp932(wine.command)) &&
           ini.WriteString(kWineSection, "Prefix", utf8ToCp932(wine.prefix.string())) &&
           ini.WriteString(kWineSection, "Bridge", utf8ToCp932(wine.bridge.string()));
}

}  // namespace vantor
