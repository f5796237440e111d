// The peak memory and the time of a set-up of ten demo years through the
// acquisition dialog (offscreen), each run in a process of its own beside
// `vantor-cli acquire` of the same feed: what the dialog's run costs over
// the command line's, and how far it stays below its budget of 150 MB.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "demo_store.h"
#include "process_run.h"

namespace {

namespace fs = std::filesystem;

constexpr double kBudgetMb = 150;

using vantor::bench::runProcess;

void BM_TenYearSetUpThroughTheDialog(benchmark::State& state) {
    const fs::path base = fs::temp_directory_path() / "vantor-dialog-memory-bench";
    fs::remove_all(base);
    const auto feed = vantor::bench::generateDemo(base / "feed", 10);
    const std::string date = std::to_string(feed.firstDate);
    const std::string from = date.substr(0, 4) + "/" + date.substr(4, 2) + "/" + date.substr(6, 2);
    const auto cli = [&](const fs::path& app) {
        return runProcess({VANTOR_CLI, "--app-dir", app.string(), "acquire", "--feed", feed.folder.string(), "--setup",
                           "--from", from + " 00:00:00"});
    };
    cli(base / "warm");  // JV-Link's download fills the feed's cache
    fs::remove_all(base / "warm");
    vantor::bench::ProcessRun dialog, line;
    for (auto _ : state) {
        fs::remove_all(base / "cli");
        fs::remove_all(base / "dialog");
        line = cli(base / "cli");
        dialog = runProcess({VANTOR_DIALOG_SETUP, feed.folder.string(), (base / "dialog").string(), from});
        state.SetIterationTime(dialog.seconds);
    }
    fs::remove_all(base);
    state.counters["dialog_peak_mb"] = dialog.peakMb;
    state.counters["cli_peak_mb"] = line.peakMb;
    state.counters["peak_to_budget"] = dialog.peakMb / kBudgetMb;
    state.counters["dialog_s"] = dialog.seconds;
    state.counters["cli_s"] = line.seconds;
    state.counters["time_to_cli"] = dialog.seconds / line.seconds;
}
BENCHMARK(BM_TenYearSetUpThroughTheDialog)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
