#include "feed_link.h"

#include <iostream>

namespace vantor::cli {

std::variant<std::unique_ptr<FeedJVLink>, int> openFeedLink(const std::filesystem::path& appDir, TIniGT& ini,
                                                            const std::optional<std::string>& namedFeed,
                                                            const FeedProgress& progress) {
    std::unique_ptr<FeedJVLink> link;
    if (namedFeed) {
        link = std::make_unique<FeedJVLink>(FeedSettings{*namedFeed, 0, "0490"});
    } else {
        auto made = createJVLink(appDir, ini, progress);
        if (const auto* error = std::get_if<std::string>(&made)) {
            std::cerr << *error << '\n';
            return 1;
        }
        link = std::move(std::get<std::unique_ptr<FeedJVLink>>(made));
    }
    // A feed folder that is missing or unreadable is an error, not "no new data".
    if (const std::string problem = link->sourceProblem(); !problem.empty()) {
        std::cerr << problem << '\n';
        return 1;
    }
    if (const auto& error = link->faultPlanError()) {
        std::cerr << *error << '\n';
        return 2;
    }
    return link;
}

}  // namespace vantor::cli
