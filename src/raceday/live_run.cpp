#include "raceday/live_run.h"

#include "jvlink/jvlink.h"
#include "jvlink/live_fetch.h"
#include "jvlink/results_fetch.h"
#include "raceday/live_changes.h"
#include "raceday/live_day_load.h"

namespace vantor {
namespace {

std::string twoDigits(int n) { return std::string(1, static_cast<char>('0' + n / 10)) + static_cast<char>('0' + n % 10); }

// "hh:mm" of seconds after the day's midnight.
std::string clockText(int seconds) {
    const int minutes = (seconds < 0 ? 0 : seconds) / 60;
    return twoDigits(minutes / 60 % 24) + ":" + twoDigits(minutes % 60);
}

LiveDataspec dataspecOf(LiveFetchKind kind) {
    switch (kind) {
        case LiveFetchKind::weights:
            return LiveDataspec::weights;
        case LiveFetchKind::odds:
            return LiveDataspec::odds;
        case LiveFetchKind::winOddsSeries:
            return LiveDataspec::winOddsSeries;
        case LiveFetchKind::dayChanges:
        case LiveFetchKind::results:
            break;
    }
    return LiveDataspec::dayChanges;
}

}  // namespace

LiveRun::LiveRun(const StorePaths& paths, const RaceDay& day)
    : paths_(paths), raceDay_(day), day_(day.RaceCount > 0 ? day.RaceTbl[0].RaceKey.view().substr(0, 8) : SjisView()) {
    loadLiveDay(paths_, day_, *current_);
    races_.reserve(kMaxRaces);
    plan_.reserve(3 + 2 * kMaxRaces);
}

LiveStepReport LiveRun::step(JVLink& link, std::chrono::sys_seconds now, const LiveStepHooks& hooks) {
    LiveStepReport report;
    const int seconds = japanSecondsOfDay(day_, now).value_or(0);
    liveRaceTimes(raceDay_, *current_, races_);
    planLiveFetches(races_, seconds, log_, plan_);

    for (const LiveFetchPlan& plan : plan_) {
        if (hooks.stop && hooks.stop()) break;
        const bool forDay = plan.race < 0;
        const std::string key(forDay ? day_.view() : races_[static_cast<std::size_t>(plan.race)].raceKey.view());
        const std::string what = std::string(plan.kind == LiveFetchKind::results ? jv::kResultsDataSpec
                                                                                  : dataspecText(dataspecOf(plan.kind))) +
                                 " " + key + ": ";
        auto lock = hooks.takeLock();
        if (const std::string* refused = std::get_if<std::string>(&lock)) {
            report.notes.push_back(what + *refused);
            report.failed = true;
            continue;
        }
        ++report.fetches;
        std::optional<std::string> failure;
        if (plan.kind == LiveFetchKind::results) {
            const ResultsFetchOutcome out = fetchResults(link, paths_, day_, {hooks.pump, [] {}});
            if (out.openResult != jv::kOk && out.openResult != jv::kNoNewerData)
                failure = "JVRTOpen " + std::to_string(out.openResult);
            else if (out.storeError)
                failure = *out.storeError;
            if (out.rejected > 0) report.notes.push_back(what + std::to_string(out.rejected) + " records rejected");
        } else {
            const LiveFetchOutcome out = fetchLive(link, paths_, dataspecOf(plan.kind), key, hooks.pump);
            if (out.storeError)
                failure = *out.storeError;
            else if (out.openResult != jv::kOk && out.openResult != jv::kNoNewerData)
                failure = "JVRTOpen " + std::to_string(out.openResult);
            else if (out.readResult < 0)
                failure = "JVRead " + std::to_string(out.readResult);
            for (const LiveSkip& skip : out.skipped) report.notes.push_back(what + liveSkipText(skip));
        }
        if (failure) {
            report.notes.push_back(what + *failure);
            report.failed = true;
        } else {
            noteLiveFetch(log_, plan, seconds);
        }
    }

    loadLiveDay(paths_, day_, *next_);
    liveChangeLines(*current_, *next_, clockText(seconds), report.changes);
    std::swap(current_, next_);
    return report;
}

}  // namespace vantor
