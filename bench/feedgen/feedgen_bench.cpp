// The demo feed generator: the time to make the default three-year demo
// (what a fresh install waits for) and, on one year, records per second.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "demo/demo_feed.h"

namespace {

namespace fs = std::filesystem;

class ScratchFolder {
public:
    ScratchFolder() {
        std::random_device rd;
        path_ = fs::temp_directory_path() / ("vantor-feedgen-bench-" + std::to_string(rd()));
    }
    ~ScratchFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

void generate(benchmark::State& state, int years) {
    ScratchFolder folder;
    vantor::demo::DemoOptions options;
    options.out = folder.path();
    options.toDate = 20240527;
    options.years = years;
    options.replace = true;
    long long records = 0, bytes = 0;
    for (auto _ : state) {
        const vantor::demo::DemoResult result = vantor::demo::generateDemoFeed(options);
        if (!result.ok()) {
            state.SkipWithError(result.error.c_str());
            return;
        }
        const vantor::demo::DemoSummary& s = result.summary;
        records += s.records();
        bytes += s.bytes;
    }
    state.counters["records/s"] = benchmark::Counter(static_cast<double>(records), benchmark::Counter::kIsRate);
    state.counters["bytes/s"] =
        benchmark::Counter(static_cast<double>(bytes), benchmark::Counter::kIsRate, benchmark::Counter::kIs1024);
}

void BM_DefaultDemo(benchmark::State& state) { generate(state, 3); }
void BM_OneYear(benchmark::State& state) { generate(state, 1); }

}  // namespace

BENCHMARK(BM_DefaultDemo)->Unit(benchmark::kSecond)->Iterations(2)->UseRealTime();
BENCHMARK(BM_OneYear)->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();

BENCHMARK_MAIN();
