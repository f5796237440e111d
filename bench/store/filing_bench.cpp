// Filing one year of set-up data, as an acquisition does, against the write
// floor: copying the finished store with `cp -r`, timed in the same run.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "demo/demo_feed.h"
#include "jvlink/acquisition.h"
#include "jvlink/feed_jvlink.h"
#include "settings/app_dir.h"
#include "settings/ini_gt.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const fs::path& benchFolder() {
    static const fs::path folder = [] {
        fs::path f = fs::temp_directory_path() / "vantor-filing-bench";
        fs::remove_all(f);
        fs::create_directories(f);
        vantor::demo::DemoOptions options;
        options.out = f / "feed";
        options.toDate = 20240527;
        options.years = 1;
        const auto made = vantor::demo::generateDemoFeed(options);
        if (!made.ok()) {
            std::cerr << made.error << '\n';
            std::exit(1);
        }
        return f;
    }();
    return folder;
}

// Files the whole feed into a fresh store; returns the JVRead calls made
// (the records delivered, and one per file change).
long long fileFeed(const fs::path& feed, const fs::path& app) {
    fs::create_directories(app);
    for (const char* d : {"Data", "SEI", "SEIR", "UM2"}) fs::create_directories(app / d);
    vantor::setAppDir(app);
    vantor::TIniGT ini;
    ini.setFileName("vantor.ini");
    vantor::FeedJVLink link(vantor::FeedSettings{feed, 0, "0490"});
    link.JVInit("bench");
    vantor::Acquisition::Ui ui;
    ui.status = ui.report = ui.addLine = [](const vantor::SjisString&) {};
    ui.storeLastTime = [&ini](const vantor::SjisString& s) { return ini.WriteString("JvDataGet", "LastTime", s); };
    ui.downloadBar = ui.readBar = [](int, int) {};
    ui.clearLines = ui.beep = ui.pump = [] {};
    vantor::Acquisition acquisition(link, vantor::StorePaths(app), ui);
    auto next = acquisition.start("20230101000000", 3);
    while (next == vantor::Acquisition::Next::poll) next = acquisition.poll();
    if (next == vantor::Acquisition::Next::read) acquisition.readAll();
    acquisition.closeLink();
    vantor::setAppDir({});
    return link.faults().calls("JVRead");
}

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

void BM_FileOneYearOfSetupData(benchmark::State& state) {
    const fs::path base = benchFolder();
    double filing = 0, copying = 0;
    long long reads = 0;
    for (auto _ : state) {
        const fs::path app = base / "app", copy = base / "copy";
        fs::remove_all(app);
        fs::remove_all(copy);
        std::system("sync");
        const auto t0 = Clock::now();
        reads = fileFeed(base / "feed", app);
        std::system("sync");
        const auto t1 = Clock::now();
        fs::create_directories(copy);
        const std::string cp = "cp -r '" + (app / "Data").string() + "' '" + (app / "SEI").string() + "' '" +
                               (app / "SEIR").string() + "' '" + (app / "UM2").string() + "' '" + copy.string() +
                               "' && sync";
        if (std::system(cp.c_str()) != 0) state.SkipWithError("cp failed");
        const auto t2 = Clock::now();
        filing = seconds(t1 - t0);
        copying = seconds(t2 - t1);
        state.SetIterationTime(filing);
    }
    state.counters["records_per_s"] = static_cast<double>(reads) / filing;
    state.counters["floor_cp_s"] = copying;
    state.counters["ratio_to_floor"] = filing / copying;
}
BENCHMARK(BM_FileOneYearOfSetupData)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
