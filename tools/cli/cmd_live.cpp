#include <iostream>
#include <thread>

#include "analysis_update.h"
#include "commands.h"
#include "feed_link.h"
#include "fileio/writer_lock.h"
#include "jvlink/feed_jvlink.h"
#include "jvlink/japan_clock.h"
#include "race_view.h"
#include "raceday/live_run.h"
#include "run_limits.h"
#include "settings/program_settings.h"
#include "text/encoding.h"

namespace vantor::cli {
namespace {

constexpr int kDefaultEverySeconds = 60;

// "HH:MM" as seconds after midnight; none for anything else.
std::optional<int> clockTime(const std::string& text) {
    if (text.size() != 5 || text[2] != ':' || !isAllDigits(std::string_view(text).substr(0, 2)) ||
        !isAllDigits(std::string_view(text).substr(3, 2)))
        return std::nullopt;
    const int h = std::stoi(text.substr(0, 2)), m = std::stoi(text.substr(3, 2));
    if (h > 23 || m > 59) return std::nullopt;
    return (h * 60 + m) * 60;
}

// A whole number from 1 to `most`; none for anything else.
std::optional<int> positive(const std::string& text, int most) {
    if (text.empty() || text.size() > 9 || !isAllDigits(text)) return std::nullopt;
    const int n = std::stoi(text);
    return n >= 1 && n <= most ? std::optional<int>(n) : std::nullopt;
}

struct LiveOptions {
    int every = kDefaultEverySeconds;
    std::optional<int> until;       // seconds after the day's midnight
    std::optional<int> replayFrom;  // likewise
    int speed = 1;
};

// The options, or the message for the first bad one.
std::variant<LiveOptions, std::string> readOptions(const Args& args) {
    LiveOptions o;
    if (const auto every = args.value("--every")) {
        const auto n = positive(*every, 24 * 60 * 60);
        if (!n) return "--every takes seconds from 1 to 86400, not \"" + *every + "\"";
        o.every = *n;
    }
    if (const auto until = args.value("--until")) {
        o.until = clockTime(*until);
        if (!o.until) return "--until takes a Japan time HH:MM, not \"" + *until + "\"";
    }
    if (const auto from = args.value("--replay-from")) {
        o.replayFrom = clockTime(*from);
        if (!o.replayFrom) return "--replay-from takes a Japan time HH:MM, not \"" + *from + "\"";
    }
    if (const auto speed = args.value("--speed")) {
        if (!o.replayFrom) return std::string("--speed goes with --replay-from");
        const auto n = positive(*speed, 3600);
        if (!n) return "--speed takes a factor from 1 to 3600, not \"" + *speed + "\"";
        o.speed = *n;
    }
    if (args.has("--once") && (args.value("--every") || o.until))
        return std::string("--once runs one step: --every and --until go with a loop");
    return o;
}

// The clock of the run: a replay of the day from --replay-from, else the
// one VANTOR_JVLINK_CLOCK starts, else the system clock.
std::variant<JapanClockSource, std::string> runClock(const LiveOptions& o, SjisView day) {
    if (!o.replayFrom) return environmentJapanClock();
    if (auto replay = replayJapanDay(day, *o.replayFrom, o.speed)) return std::move(*replay);
    return "no race day to replay: \"" + cp932ToUtf8(day) + "\"";
}

}  // namespace

int live(const Context& ctx) {
    const auto options = readOptions(ctx.args);
    if (const std::string* bad = std::get_if<std::string>(&options)) {
        std::cerr << *bad << '\n';
        return 2;
    }
    const LiveOptions& o = std::get<LiveOptions>(options);
    auto view = openRace(ctx);
    if (!view) return 2;
    TIniGT ini = programSettings();
    auto opened = openJVLink(ctx, ini);
    if (const int* status = std::get_if<int>(&opened)) return *status;
    auto& [linkHeld, timeLimit] = std::get<OpenedLink>(opened);
    JVLink& link = *linkHeld;

    const StorePaths paths(ctx.appDir);
    LiveRun run(paths, *view->day);
    auto clock = runClock(o, run.day());
    if (const std::string* bad = std::get_if<std::string>(&clock)) {
        std::cerr << *bad << '\n';
        return 2;
    }
    const JapanClockSource now = std::get<JapanClockSource>(clock);
    // The feed replacement announces by the run's clock; JV-Link under Wine keeps its own.
    if (auto* feed = dynamic_cast<FeedJVLink*>(&link)) {
        feed->setClockSource(now);
    } else if (o.replayFrom) {
        std::cerr << "--replay-from plays the feed folder's day: JV-Link under Wine answers by its own clock\n";
        return 2;
    }

    const StopSignals signals;
    applyRunLimits(link, timeLimit);
    if (!initialiseLink(link)) return StopSignals::exitStatus(1);

    const bool wait = ctx.args.has("--wait");
    const LiveStepHooks hooks{[] {}, [] { return StopSignals::caught() != 0; },
                              [&]() -> std::variant<WriterLock, std::string> {
                                  return WriterLock::take(ctx.appDir, "vantor-cli live", wait);
                              }};
    const auto reached = [&](std::chrono::sys_seconds t) {
        return o.until && japanSecondsOfDay(run.day(), t).value_or(0) >= *o.until;
    };
    bool failed = false;
    while (!StopSignals::caught() && !reached(now())) {
        const LiveStepReport report = run.step(link, now(), hooks);
        for (const SjisString& line : report.changes) std::cout << cp932ToUtf8(line) << '\n';
        std::cout.flush();
        for (const std::string& note : report.notes) std::cerr << note << '\n';
        failed |= report.failed;
        // The step's fetches filed under locks of their own; the update takes
        // it once more. A writer holding it meanwhile updates after itself.
        if (report.fetches > 0 && !StopSignals::caught()) {
            if (auto lock = hooks.takeLock(); std::holds_alternative<WriterLock>(lock)) updateAnalysisDb(ctx);
        }
        if (ctx.args.has("--once")) break;
        // --every counts the run's clock: a replay steps as often in its own time.
        const auto next = now() + std::chrono::seconds(o.every);
        while (!StopSignals::caught() && now() < next && !reached(now()))
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return StopSignals::exitStatus(failed ? 1 : 0);
}

}  // namespace vantor::cli
