// The peak memory and the time of a set-up of ten demo years through the
// acquisition dialog (offscreen), each run in a process of its own beside
// `vantor-cli acquire` of the same feed: what the dialog's run costs over
// the command line's, and how far it stays below its budget of 150 MB.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "demo_store.h"

namespace {

namespace fs = std::filesystem;

constexpr double kBudgetMb = 150;

struct Run {
    double seconds = 0;
    double peakMb = 0;
};

// Runs the program with its arguments, standard error discarded; exits
// when it fails.
Run measured(std::vector<std::string> args) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::freopen("/dev/null", "w", stderr);
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        std::_Exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || ::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::cerr << "failed: " << args[0] << '\n';
        std::exit(1);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return {seconds, static_cast<double>(usage.ru_maxrss) / 1024};  // ru_maxrss is in KiB
}

void BM_TenYearSetUpThroughTheDialog(benchmark::State& state) {
    const fs::path base = fs::temp_directory_path() / "vantor-dialog-memory-bench";
    fs::remove_all(base);
    const auto feed = vantor::bench::generateDemo(base / "feed", 10);
    const std::string date = std::to_string(feed.firstDate);
    const std::string from = date.substr(0, 4) + "/" + date.substr(4, 2) + "/" + date.substr(6, 2);
    const auto cli = [&](const fs::path& app) {
        return measured({VANTOR_CLI, "--app-dir", app.string(), "acquire", "--feed", feed.folder.string(), "--setup",
                         "--from", from + " 00:00:00"});
    };
    cli(base / "warm");  // JV-Link's download fills the feed's cache
    fs::remove_all(base / "warm");
    Run dialog, line;
    for (auto _ : state) {
        fs::remove_all(base / "cli");
        fs::remove_all(base / "dialog");
        line = cli(base / "cli");
        dialog = measured({VANTOR_DIALOG_SETUP, feed.folder.string(), (base / "dialog").string(), from});
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
