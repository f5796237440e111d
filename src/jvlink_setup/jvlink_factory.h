#pragma once
// Makes the program's feed-folder JV-Link from its settings (feed folder,
// download pace, version; see wine_link_settings.h). The default feed is <AppDir>/jvfeed, made when
// missing; while it holds no feed file and the store is empty, a demo season
// is generated into it first. Into a store that holds data no demo goes: the
// link then refuses to open and says that the feed folder is not set. A feed
// folder named in the settings is used as it stands.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <variant>

#include "jvlink/feed_jvlink.h"

namespace vantor {

class TIniGT;

// done/total of the demo generation, when one runs.
using FeedProgress = std::function<void(int done, int total)>;

// The replacement, or a message (UTF-8) saying why it cannot be made (for
// example: its feed folder cannot be created). When this call generated
// the demo feed, demoFirstDate (if given) receives the yyyymmdd of its
// first race day, else 0.
std::variant<std::unique_ptr<FeedJVLink>, std::string> createJVLink(const std::filesystem::path& appDir, TIniGT& ini,
                                                                    const FeedProgress& progress = {},
                                                                    int* demoFirstDate = nullptr);

}  // namespace vantor
