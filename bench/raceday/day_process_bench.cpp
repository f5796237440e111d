// A race day opened from the command line as a whole process (start, the
// day's load, the check grid, exit) beside the process start that lists
// the days (`vantor-cli days`), on the filed three- and ten-year demos:
// the newest day, which has the longest histories behind it, and an old
// one. Time and peak memory are medians of runs taken in turn, so that
// the day and its floor see the same machine.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "demo_store.h"
#include "process_run.h"
#include "store/day_list.h"

namespace {

namespace fs = std::filesystem;
using vantor::bench::median;
using vantor::bench::ProcessRun;
using vantor::bench::runProcess;

constexpr int kRuns = 9;

struct Figures {
    std::vector<double> seconds, peakMb;
    void add(const ProcessRun& run) {
        seconds.push_back(run.seconds);
        peakMb.push_back(run.peakMb);
    }
    double ms() const { return median(seconds) * 1000; }
    double mb() const { return median(peakMb); }
};

class DemoStore {
public:
    explicit DemoStore(int years) {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("vantor-day-process-bench-" + std::to_string(rd()));
        vantor::bench::fileDemo(vantor::bench::generateDemo(dir_ / "feed", years), app());
        // Newest first: the newest day, and the day a sixth of the way
        // from the oldest, months into the store.
        const auto days = vantor::listRaceDays(vantor::StorePaths(app()));
        newest_ = days.front();
        old_ = days[days.size() - 1 - days.size() / 6];
    }
    ~DemoStore() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    fs::path app() const { return dir_ / "app"; }
    const std::string& newest() const { return newest_; }
    const std::string& old() const { return old_; }

private:
    fs::path dir_;
    std::string newest_, old_;
};

ProcessRun cli(const DemoStore& store, std::vector<std::string> command) {
    std::vector<std::string> args{VANTOR_CLI, "--app-dir", store.app().string()};
    args.insert(args.end(), command.begin(), command.end());
    return runProcess(std::move(args));
}

ProcessRun checkGrid(const DemoStore& store, const std::string& day) {
    return cli(store, {"grid", "--day", day, "check"});
}

void dayProcesses(benchmark::State& state, int years) {
    const DemoStore store(years);
    Figures days, newest, old;
    for (auto _ : state) {
        for (int i = 0; i < kRuns; ++i) {
            days.add(cli(store, {"days"}));
            newest.add(checkGrid(store, store.newest()));
            old.add(checkGrid(store, store.old()));
        }
        state.SetIterationTime(median(newest.seconds));
    }
    state.SetLabel(store.newest() + " / " + store.old());
    state.counters["days_ms"] = days.ms();
    state.counters["days_mb"] = days.mb();
    state.counters["newest_ms"] = newest.ms();
    state.counters["newest_mb"] = newest.mb();
    state.counters["newest_x_days"] = newest.ms() / days.ms();
    state.counters["newest_plus_mb"] = newest.mb() - days.mb();
    state.counters["old_ms"] = old.ms();
    state.counters["old_mb"] = old.mb();
    state.counters["old_x_days"] = old.ms() / days.ms();
    state.counters["old_plus_mb"] = old.mb() - days.mb();
}

void BM_ThreeYearDayProcess(benchmark::State& state) { dayProcesses(state, 3); }
void BM_TenYearDayProcess(benchmark::State& state) { dayProcesses(state, 10); }

}  // namespace

BENCHMARK(BM_ThreeYearDayProcess)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TenYearDayProcess)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
