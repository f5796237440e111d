#include "shell/jvlink_factory.h"

#include <algorithm>
#include <optional>

#include "demo/demo_feed.h"
#include "fileio/folder_lookup.h"
#include "settings/ini_gt.h"
#include "text/encoding.h"

namespace vantor {
namespace {

constexpr SjisView kSection = "JVLinkFeed";
constexpr int kDefaultPaceMs = 20;  // enough to watch the download bar move

constexpr const char* kDefaultFeedFolder = "jvfeed";

FeedSettings readSettings(const std::filesystem::path& appDir, TIniGT& ini) {
    FeedSettings s;
    const SjisString folder = ini.ReadString(kSection, "Folder", "");
    // A relative folder is taken from the program folder, wherever the program was started from.
    s.feedDir = appDir / (folder.empty() ? std::filesystem::path(kDefaultFeedFolder)
                                         : std::filesystem::path(cp932ToUtf8(folder)));
    s.paceMs = std::clamp(ini.ReadInteger(kSection, "Pace", kDefaultPaceMs), 0, 10000);
    const SjisString version = ini.ReadString(kSection, "Version", "0490");
    s.version = version.size() == 4 && isAllDigits(version) ? version : "0490";
    return s;
}

// Makes the program's own feed folder and, while it holds no feed file,
// fills it with the demo season.
std::optional<std::string> prepareDefaultFeed(const std::filesystem::path& appDir, const std::filesystem::path& feedDir,
                                              const FeedProgress& progress, int* demoFirstDate) {
    std::error_code ec;
    std::filesystem::create_directories(feedDir, ec);
    if (ec || !std::filesystem::is_directory(feedDir, ec))
        return "cannot create the JV-Link feed folder " + feedDir.string();
    if (!feedIsEmpty(feedDir)) return std::nullopt;
    demo::DemoOptions options;
    options.out = feedDir;
    options.oddsOut = resolveFolder(appDir, "yLzh");  // the default odds folder
    options.progress = progress;
    const demo::DemoResult made = demo::generateDemoFeed(options);
    if (!made.ok()) return "cannot generate the demo feed: " + made.error;
    if (demoFirstDate) *demoFirstDate = made.summary.firstDate;
    return std::nullopt;
}

}  // namespace

std::variant<std::unique_ptr<FeedJVLink>, std::string> createJVLink(const std::filesystem::path& appDir, TIniGT& ini,
                                                                    const FeedProgress& progress, int* demoFirstDate) {
    if (demoFirstDate) *demoFirstDate = 0;
    const FeedSettings settings = readSettings(appDir, ini);
    // A folder the user named is used as it is: made by no one here, never
    // filled with demo races, and reported by the link when it is missing.
    if (settings.feedDir.lexically_normal() == (appDir / kDefaultFeedFolder).lexically_normal()) {
        if (auto error = prepareDefaultFeed(appDir, settings.feedDir, progress, demoFirstDate)) return *error;
    }
    auto link = std::make_unique<FeedJVLink>(settings);
    link->setSettingsSaver([&ini](const FeedSettings& s) {
        return ini.WriteString(kSection, "Folder", utf8ToCp932(s.feedDir.string())) &&
               ini.WriteInteger(kSection, "Pace", s.paceMs);
    });
    return link;
}

}  // namespace vantor
