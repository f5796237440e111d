#include "shell/jvlink_factory.h"

#include <optional>

#include "demo/demo_feed.h"
#include "fileio/folder_lookup.h"
#include "shell/wine_link_settings.h"

namespace vantor {
namespace {

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
    const FeedSettings settings = readJVLinkChoice(appDir, ini).feed;
    // A folder the user named is used as it is: made by no one here, never
    // filled with demo races, and reported by the link when it is missing.
    if (settings.feedDir.lexically_normal() == defaultFeedFolder(appDir).lexically_normal()) {
        if (auto error = prepareDefaultFeed(appDir, settings.feedDir, progress, demoFirstDate)) return *error;
    }
    return std::make_unique<FeedJVLink>(settings);
}

}  // namespace vantor
