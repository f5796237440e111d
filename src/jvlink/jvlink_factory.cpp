#include "jvlink/jvlink_factory.h"

#include "shell/ini_gt.h"

namespace vantor {

std::variant<std::unique_ptr<FeedJVLink>, std::string> createJVLink(const std::filesystem::path& appDir, TIniGT& ini,
                                                                   const FeedProgress& progress) {
    (void)ini;
    (void)progress;
    FeedSettings settings;
    settings.feedDir = appDir / "jvfeed";
    std::error_code ec;
    std::filesystem::create_directories(settings.feedDir, ec);
    if (ec) return "cannot create " + settings.feedDir.string();
    return std::make_unique<FeedJVLink>(settings);
}

}  // namespace vantor
