#include "feed_link.h"

#include <iostream>

#include "jvlink/bridge_jvlink.h"
#include "jvlink/feed_jvlink.h"
#include "jvlink/jvlink_startup.h"
#include "jvlink_setup/wine_link_settings.h"
#include "run_limits.h"

namespace vantor::cli {
namespace {

std::variant<std::unique_ptr<JVLink>, int> openBridge(const Context& ctx, WineSettings wine) {
    if (auto prefix = ctx.args.value("--wine-prefix")) wine.prefix = *prefix;
    if (auto bridge = ctx.args.value("--bridge")) wine.bridge = *bridge;
    if (auto command = ctx.args.value("--wine-command")) wine.command = *command;
    if (auto problem = wineRunProblem(wine)) {
        std::cerr << *problem << '\n';
        return 1;
    }
    return std::make_unique<BridgeJVLink>(std::move(wine));
}

std::variant<std::unique_ptr<JVLink>, int> openFeed(const Context& ctx, TIniGT& ini, const FeedProgress& progress) {
    std::unique_ptr<FeedJVLink> link;
    if (auto feed = ctx.args.value("--feed")) {
        link = std::make_unique<FeedJVLink>(FeedSettings{*feed, 0, "0490"});
    } else {
        auto made = createJVLink(ctx.appDir, ini, progress);
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
    return std::unique_ptr<JVLink>(std::move(link));
}

std::variant<std::unique_ptr<JVLink>, int> openSource(const Context& ctx, TIniGT& ini, const FeedProgress& progress) {
    const bool wineAsked = ctx.args.value("--wine-prefix").has_value();
    if (wineAsked && ctx.args.value("--feed")) {
        std::cerr << "--feed and --wine-prefix name two sources: give one\n";
        return 2;
    }
    if (ctx.args.value("--bridge") && !wineAsked) {
        std::cerr << "--bridge goes with --wine-prefix\n";
        return 2;
    }
    const JVLinkChoice choice = readJVLinkChoice(ctx.appDir, ini);
    const bool wine = wineAsked || (!ctx.args.value("--feed") && choice.source == JVLinkSource::wine);
    if (ctx.args.value("--wine-command") && !wine) {
        std::cerr << "--wine-command goes with --wine-prefix or with JV-Link under Wine chosen in the settings\n";
        return 2;
    }
    return wine ? openBridge(ctx, choice.wine) : openFeed(ctx, ini, progress);
}

}  // namespace

std::variant<OpenedLink, int> openJVLink(const Context& ctx, TIniGT& ini, const FeedProgress& progress) {
    auto source = openSource(ctx, ini, progress);
    if (const int* status = std::get_if<int>(&source)) return *status;
    OpenedLink opened{std::move(std::get<std::unique_ptr<JVLink>>(source))};
    if (const auto bad = readTimeLimit(ctx, ini, opened.timeLimit)) {
        std::cerr << *bad << '\n';
        return 2;
    }
    return opened;
}

bool initialiseLink(JVLink& link) {
    if (const int r = link.JVInit(jvLinkSid()); r != jv::kOk) {
        std::cerr << jvInitErrorText(r) << '\n';
        if (const std::string problem = link.sourceProblem(); !problem.empty()) std::cerr << problem << '\n';
        return false;
    }
    if (auto warning = jvLinkVersionWarning(link.version())) std::cerr << *warning << '\n';
    return true;
}

}  // namespace vantor::cli
