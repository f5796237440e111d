#pragma once
// The JV-Link replacement a command reads from: the feed folder the user
// named, else the program's own feed (made with the demo season on first
// use), checked before any JV-Link call.

#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "jvlink/feed_jvlink.h"
#include "shell/jvlink_factory.h"

namespace vantor {
class TIniGT;
}

namespace vantor::cli {

// The link, or the exit status after the reason was printed: 1 when the
// feed cannot be made or read, 2 when its fault plan cannot be read.
std::variant<std::unique_ptr<FeedJVLink>, int> openFeedLink(const std::filesystem::path& appDir, TIniGT& ini,
                                                            const std::optional<std::string>& namedFeed,
                                                            const FeedProgress& progress = {});

}  // namespace vantor::cli
