// The window's 速報 switch over the demo's live day, replayed from 09:00 at
// 3600 times the clock on the filed demo store (offscreen, shown): the
// longest pause between two pumps of a step (the window answers nothing
// meanwhile; goal 50 ms), and the refresh of the card, header, odds pane
// and chart after a step, measured on its own (goal 100 ms). Floors of the
// same run: reading the day's live files once, for the pause, and choosing
// a race, for the refresh.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <filesystem>

#include "components/message_box.h"
#include "demo_store.h"
#include "painting_bench_main.h"
#include "jvlink/feed_jvlink.h"
#include "raceday/live_day_load.h"
#include "raceday/live_schedule.h"
#include "settings/app_dir.h"
#include "shell/main_form.h"
#include "store/program_folder.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t) { return std::chrono::duration<double, std::milli>(Clock::now() - t).count(); }

struct Figures {
    double longestPauseMs = 0, refreshMs = 0, liveLoadMs = 0, raceChoiceMs = 0;
    int steps = 0, pumps = 0;
};

Figures replayDay(const fs::path& feed, const fs::path& app) {
    Figures f;
    vantor::setAppDir(app);
    if (const auto error = vantor::enterProgramFolder(app)) {
        std::fprintf(stderr, "%s\n", error->c_str());
        std::exit(1);
    }
    vantor::ui::MessageBoxHook messages;
    auto link = std::make_unique<vantor::FeedJVLink>(vantor::FeedSettings{feed, 0, "0490"});
    link->JVInit("bench");
    vantor::TMainForm form(std::move(link));
    form.show();
    form.showNewestDay();
    {
        const QSignalBlocker block(form.DatList);
        form.DatList->setCurrentRow(form.DatList->count() - 1);
    }
    form.DatListClick();

    std::vector<vantor::LiveRaceTime> races;
    vantor::liveRaceTimes(*form.Day, form.Day->live(), races);
    int lastPost = 0;
    for (const auto& race : races) lastPost = std::max(lastPost, race.post);
    const vantor::SjisString day(form.Day->RaceTbl[0].RaceKey.view().substr(0, 8));

    // Pauses counted from the end of one pump to the start of the next, and
    // from a step's last pump to its end.
    std::optional<Clock::time_point> pumped;
    vantor::LiveSwitch& live = *form.LiveSwitch1;
    live.setPump([&] {
        if (pumped) f.longestPauseMs = std::max(f.longestPauseMs, msSince(*pumped));
        ++f.pumps;
        QCoreApplication::processEvents();
        pumped = Clock::now();
    });
    live.setStepped([&](const vantor::LiveStepReport&) {
        if (pumped) f.longestPauseMs = std::max(f.longestPauseMs, msSince(*pumped));
        pumped.reset();
        const auto start = Clock::now();
        form.refreshLiveViews();
        f.refreshMs = std::max(f.refreshMs, msSince(start));
        ++f.steps;
    });
    form.startLiveSwitch(vantor::LiveReplay{9 * 60 * 60, 3600});
    while (live.isOn() && vantor::japanSecondsOfDay(day, live.now()).value_or(0) < lastPost + 20 * 60) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    live.stop();

    auto state = vantor::LiveDay::create();
    auto start = Clock::now();
    vantor::loadLiveDay(vantor::StorePaths(app), day, *state);
    f.liveLoadMs = msSince(start);
    start = Clock::now();
    form.DatListClick();
    f.raceChoiceMs = msSince(start);
    vantor::setAppDir({});
    return f;
}

void BM_LiveSwitchReplay(benchmark::State& state) {
    const fs::path base = fs::temp_directory_path() / "vantor-live-switch-bench";
    fs::remove_all(base);
    const auto feed = vantor::bench::generateDemo(base / "feed", 1);
    vantor::bench::fileDemo(feed, base / "app");
    Figures f;
    for (auto _ : state) {
        fs::remove_all(base / "app" / "Live");
        const auto start = Clock::now();
        f = replayDay(feed.folder, base / "app");
        state.SetIterationTime(msSince(start) / 1000);
    }
    fs::remove_all(base);
    state.counters["longest_pause_ms"] = f.longestPauseMs;
    state.counters["pause_ratio_to_live_load"] = f.longestPauseMs / f.liveLoadMs;
    state.counters["refresh_ms"] = f.refreshMs;
    state.counters["refresh_ratio_to_race_choice"] = f.refreshMs / f.raceChoiceMs;
    state.counters["live_load_ms"] = f.liveLoadMs;
    state.counters["race_choice_ms"] = f.raceChoiceMs;
    state.counters["steps"] = f.steps;
    state.counters["pumps"] = f.pumps;
}
BENCHMARK(BM_LiveSwitchReplay)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) { return vantor::bench::runPaintingBenchmarks<QApplication>(argc, argv); }
