#include <iostream>

#include "commands.h"
#include "jvlink/jvlink_startup.h"
#include "jvlink/results_fetch.h"
#include "race_view.h"
#include "raceday/payout_import.h"
#include "settings/ini_gt.h"
#include "shell/jvlink_factory.h"

namespace vantor::cli {

int results(const Context& ctx) {
    auto view = openRace(ctx);
    if (!view) return 2;
    TIniGT ini;
    ini.setFileName("vantor.ini");
    auto made = createJVLink(ctx.appDir, ini);
    if (auto* err = std::get_if<std::string>(&made)) {
        std::cerr << *err << '\n';
        return 1;
    }
    auto& link = *std::get<std::unique_ptr<FeedJVLink>>(made);
    if (const auto& error = link.faultPlanError()) {
        std::cerr << *error << '\n';
        return 2;
    }
    link.JVInit(jvLinkSid());
    const StorePaths paths(ctx.appDir);
    const SjisString key(field(view->day->JvRaTbl[0].view(), 12, 8));
    const auto outcome = fetchResults(link, paths, key, {[] {}, [] {}});
    if (outcome.openResult != 0) std::cerr << "JVRTOpen: " << outcome.openResult << '\n';
    std::cerr << "records filed: " << outcome.records << ", rejected: " << outcome.rejected << '\n';
    if (outcome.storeError) {
        std::cerr << *outcome.storeError << '\n';
        return 1;
    }
    importPayouts(*view->day, paths, view->dayName);
    return 0;
}

}  // namespace vantor::cli
