#include <iostream>

#include "analysis_update.h"
#include "commands.h"
#include "feed_link.h"
#include "jvlink/cancel_flag.h"
#include "jvlink/results_fetch.h"
#include "race_view.h"
#include "raceday/payout_import.h"
#include "record_layouts/jvdata_record.h"
#include "run_limits.h"
#include "settings/program_settings.h"

namespace vantor::cli {

int results(const Context& ctx) {
    auto view = openRace(ctx);
    if (!view) return 2;
    TIniGT ini = programSettings();
    auto opened = openJVLink(ctx, ini);
    if (const int* status = std::get_if<int>(&opened)) return *status;
    auto& [linkHeld, timeLimit] = std::get<OpenedLink>(opened);
    JVLink& link = *linkHeld;
    const StopSignals signals;
    applyRunLimits(link, timeLimit);
    if (!initialiseLink(link)) return StopSignals::exitStatus(1);
    const StorePaths paths(ctx.appDir);
    const SjisString key(jvdata::raceKey(view->day->JvRaTbl[0].view()).date());
    // A caught signal cancels the fetch; what was filed stays filed.
    const auto stopOnSignal = [&link] {
        if (!StopSignals::caught() || CancelFlag == 1) return;
        link.JVCancel();
        CancelFlag = 1;
    };
    const auto outcome = fetchResults(link, paths, key, {stopOnSignal, [] {}});
    if (StopSignals::caught()) return StopSignals::exitStatus(1);
    updateAnalysisDb(ctx);
    if (outcome.openResult != jv::kOk) std::cerr << "JVRTOpen: " << outcome.openResult << '\n';
    // "No results yet" is an answer; any other refusal is a failed fetch.
    if (outcome.openResult != jv::kOk && outcome.openResult != jv::kNoNewerData) return 1;
    std::cerr << "records filed: " << outcome.records << ", rejected: " << outcome.rejected << '\n';
    if (outcome.storeError) {
        std::cerr << *outcome.storeError << '\n';
        return 1;
    }
    importPayouts(*view->day, paths, view->dayName);
    return 0;
}

}  // namespace vantor::cli
