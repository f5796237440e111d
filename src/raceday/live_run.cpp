#include "raceday/live_run.h"

#include "codes/race_key.h"
#include "jvlink/jvlink.h"
#include "jvlink/live_fetch.h"
#include "jvlink/results_fetch.h"
#include "raceday/live_changes.h"
#include "raceday/live_day_load.h"
#include "store/live_files.h"
#include "store/store_image.h"
#include "text/encoding.h"
#include "text/formatted.h"

namespace vantor {
namespace {

// "hh:mm" of seconds after the day's midnight.
SjisString clockText(int seconds) {
    const int minutes = (seconds < 0 ? 0 : seconds) / 60;
    return formatted("%02d:%02d", minutes / 60 % 24, minutes % 60);
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
    : paths_(paths),
      raceDay_(day),
      day_(day.RaceCount > 0 ? RaceKey(day.RaceTbl[0].RaceKey.view()).date() : SjisView()) {
    loadLiveDay(paths_, day_, *current_);
    races_.reserve(kMaxRaces);
    plan_.reserve(3 + 2 * kMaxRaces);
}

// What failed in one fetch, or nothing; records not filed go to notes. A
// live answer goes to filer, which the step writes after its last fetch.
std::optional<std::string> LiveRun::fetch(JVLink& link, LiveFiler& filer, const LiveFetchPlan& plan, SjisView key,
                                          const LiveStepHooks& hooks, std::vector<std::string>& notes) {
    // JV-Link under Wine says why a call failed: a hung call ended by its time limit, a bridge that broke off.
    const auto linkFailure = [&link](const char* call, int code) {
        std::string text = std::string(call) + " " + std::to_string(code);
        if (const std::string problem = link.sourceProblem(); !problem.empty()) text += ": " + problem;
        return text;
    };
    const auto refused = [](int open) { return open != jv::kOk && open != jv::kNoNewerData; };
    if (plan.kind == LiveFetchKind::results) {
        const ResultsFetchOutcome out = fetchResults(link, paths_, day_, {hooks.pump, [] {}});
        if (out.rejected > 0) notes.push_back(std::to_string(out.rejected) + " records rejected");
        if (refused(out.openResult)) return linkFailure("JVRTOpen", out.openResult);
        return out.storeError;
    }
    const LiveFetchOutcome out = fetchLive(link, filer, dataspecOf(plan.kind), key, hooks.pump);
    for (const LiveSkip& skip : out.skipped) notes.push_back(liveSkipText(skip));
    if (refused(out.openResult)) return linkFailure("JVRTOpen", out.openResult);
    if (out.readResult < 0) return linkFailure("JVRead", out.readResult);
    return std::nullopt;
}

// Writes the step's live answers under the writer lock; what failed, or nothing.
std::optional<std::string> LiveRun::writeAnswers(LiveFiler& filer, const LiveStepHooks& hooks) {
    auto lock = hooks.takeLock();
    if (const std::string* held = std::get_if<std::string>(&lock)) return *held;
    try {
        filer.write();
    } catch (const StoreError& e) {
        return std::string(e.what());
    }
    return std::nullopt;
}

LiveStepReport LiveRun::step(JVLink& link, std::chrono::sys_seconds now, const LiveStepHooks& hooks) {
    LiveStepReport report;
    const int seconds = japanSecondsOfDay(day_, now).value_or(0);
    liveRaceTimes(raceDay_, *current_, races_);
    planLiveFetches(races_, seconds, log_, plan_);

    // The live answers of the step are written together after its last
    // fetch; the fetches they came from count as made once they are.
    LiveFiler filer(paths_, day_);
    std::vector<const LiveFetchPlan*> filed;
    std::vector<std::string> notes;
    for (const LiveFetchPlan& plan : plan_) {
        if (hooks.stop && hooks.stop()) break;
        const bool forDay = plan.race < 0;
        const SjisView key = forDay ? day_.view() : races_[static_cast<std::size_t>(plan.race)].raceKey.view();
        const std::string what =
            std::string(plan.kind == LiveFetchKind::results ? jv::kResultsDataSpec
                                                            : dataspecText(dataspecOf(plan.kind))) +
            " " + cp932ToUtf8(key) + ": ";
        auto lock = hooks.takeLock();
        std::optional<std::string> failure;
        notes.clear();
        if (const std::string* held = std::get_if<std::string>(&lock)) {
            failure = *held;
        } else {
            ++report.fetches;
            failure = fetch(link, filer, plan, key, hooks, notes);
        }
        for (const std::string& note : notes) report.notes.push_back(what + note);
        if (failure) {
            report.notes.push_back(what + *failure);
            report.failed = true;
        } else if (plan.kind == LiveFetchKind::results) {
            noteLiveFetch(log_, plan, seconds);
        } else {
            filed.push_back(&plan);
        }
    }
    if (!filed.empty()) {
        if (const auto failure = writeAnswers(filer, hooks)) {
            report.notes.push_back("Live/" + cp932ToUtf8(day_.view()) + ": " + *failure);
            report.failed = true;
        } else {
            for (const LiveFetchPlan* plan : filed) noteLiveFetch(log_, *plan, seconds);
        }
    }

    loadLiveDay(paths_, day_, *next_);
    report.clock = clockText(seconds);
    liveChangeLines(*current_, *next_, report.clock, report.changes);
    std::swap(current_, next_);
    return report;
}

}  // namespace vantor
