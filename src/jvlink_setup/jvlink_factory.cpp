#include "jvlink_setup/jvlink_factory.h"

#include <optional>

#include "demo/demo_feed.h"
#include "fileio/folder_lookup.h"
#include "jvlink_setup/wine_link_settings.h"
#include "settings/program_settings.h"
#include "store/store_folders.h"

namespace vantor {
namespace {

// Why the program's own feed cannot serve a store that holds data: a
// settings file that lost its feed folder would otherwise file the demo
// season among the user's races.
std::string feedNotSet(const std::filesystem::path& appDir) {
    return "JV-Linkのフィードフォルダが設定されていません。データのあるプログラムフォルダにはデモデータを作成しません。"
           "「ＪＶデータ取得」の「JVLink設定」でフィードフォルダを選ぶか、" +
           (appDir / kProgramSettingsName).string() + " の [JVLinkFeed] に Folder=フォルダ を書いてください。";
}

// Makes the program's own feed folder and, while it holds no feed file and
// the store is empty, fills it with the demo season. feedRefused receives
// why the folder is not to be used, when it holds no feed file but the store
// holds data.
std::optional<std::string> prepareDefaultFeed(const std::filesystem::path& appDir, const std::filesystem::path& feedDir,
                                              const FeedProgress& progress, int* demoFirstDate,
                                              std::string& feedRefused) {
    const bool empty = feedIsEmpty(feedDir);
    if (empty && storeHoldsData(appDir)) {
        feedRefused = feedNotSet(appDir);
        return std::nullopt;
    }
    std::error_code ec;
    std::filesystem::create_directories(feedDir, ec);
    if (ec || !std::filesystem::is_directory(feedDir, ec))
        return "cannot create the JV-Link feed folder " + feedDir.string();
    if (!empty) return std::nullopt;
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
    const FeedSettings settings = readJVLinkChoice(appDir, ini).feed;
    // A folder the user named is used as it is: made by no one here, never
    // filled with demo races, and reported by the link when it is missing.
    std::string feedRefused;
    if (settings.feedDir.lexically_normal() == defaultFeedFolder(appDir).lexically_normal()) {
        if (auto error = prepareDefaultFeed(appDir, settings.feedDir, progress, demoFirstDate, feedRefused))
            return *error;
    }
    auto link = std::make_unique<FeedJVLink>(settings);
    if (!feedRefused.empty()) link->refuseFeed(std::move(feedRefused));
    return link;
}

}  // namespace vantor
