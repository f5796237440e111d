#pragma once
// A race day's live run, one step at a time: the fetches the schedule
// (live_schedule.h) says are due, one JV-Link session after the other,
// each under the program folder's writer lock taken for that fetch alone,
// and the live answers they brought written together, under the lock taken
// once more; then the day's live state is loaded again from the store and what
// changed since the last step is told in lines a person reads
// (live_changes.h). A fetch that fails is reported and the step goes on
// with the next; it stays due for the next step.

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "fileio/writer_lock.h"
#include "raceday/live_day.h"
#include "raceday/live_schedule.h"
#include "raceday/race_day.h"
#include "store/store_paths.h"

namespace vantor {

class JVLink;
class LiveFiler;

struct LiveStepHooks {
    std::function<void()> pump;                                       // between JV-Link's reads: events, signals
    std::function<bool()> stop;                                       // true ends the step before its next fetch
    std::function<std::variant<WriterLock, std::string>()> takeLock;  // for one fetch, or why not (UTF-8)
};

struct LiveStepReport {
    SjisString clock;                 // "hh:mm" of the step's time
    std::vector<SjisString> changes;  // live_changes.h
    std::vector<std::string> notes;   // failed fetches and records not filed, one line each (UTF-8)
    int fetches = 0;                  // fetches run
    bool failed = false;              // a fetch failed on a JV-Link or store error
};

class LiveRun {
public:
    // The run of the day loaded in day (its races and post times), from the
    // live state the store holds now.
    LiveRun(const StorePaths& paths, const RaceDay& day);

    // now: Japan time, as the clock the JV-Link's real-time service answers by.
    LiveStepReport step(JVLink& link, std::chrono::sys_seconds now, const LiveStepHooks& hooks);

    const LiveDay& state() const { return *current_; }
    SjisView day() const { return day_; }

private:
    std::optional<std::string> fetch(JVLink& link, LiveFiler& filer, const LiveFetchPlan& plan, SjisView key,
                                     const LiveStepHooks& hooks, std::vector<std::string>& notes);
    static std::optional<std::string> writeAnswers(LiveFiler& filer, const LiveStepHooks& hooks);

    StorePaths paths_;
    const RaceDay& raceDay_;
    FixedText<8> day_;
    LiveFetchLog log_;
    std::unique_ptr<LiveDay> current_ = LiveDay::create(), next_ = LiveDay::create();
    std::vector<LiveRaceTime> races_;
    std::vector<LiveFetchPlan> plan_;
};

}  // namespace vantor
