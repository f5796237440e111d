// A full race day load (36 races of 18 runners with 25-run histories)
// against the read floor: reading every file the load touches, once.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <set>
#include <string>

#include "raceday/day_loader.h"
#include "synthetic_day.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

class Store {
public:
    Store() {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("vantor-raceday-bench-" + std::to_string(rd()));
        dayName_ = vantor::bench::writeSyntheticDay(dir_);
        // One load with a recording reader names the files a load touches.
        vantor::DayLoader recorder(vantor::StorePaths(dir_), [this](const fs::path& p, const vantor::ReadBound& b) {
            touched_.insert(p);
            return vantor::readFilePart(p, b);
        });
        recorder.load(dayName_, *day_);
    }
    ~Store() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    const fs::path& dir() const { return dir_; }
    const std::string& dayName() const { return dayName_; }
    const std::set<fs::path>& touched() const { return touched_; }
    vantor::RaceDay& day() { return *day_; }

private:
    fs::path dir_;
    std::string dayName_;
    std::set<fs::path> touched_;
    std::unique_ptr<vantor::RaceDay> day_ = vantor::RaceDay::create();
};

Store& store() {
    static Store s;
    return s;
}

std::size_t readFloor() {
    std::size_t bytes = 0;
    for (const fs::path& p : store().touched()) bytes += vantor::readWholeFile(p).bytes.size();
    return bytes;
}

double millisecondsOf(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void BM_ReadFloor(benchmark::State& state) {
    store();
    std::size_t bytes = 0;
    for (auto _ : state) benchmark::DoNotOptimize(bytes = readFloor());
    state.counters["files"] = static_cast<double>(store().touched().size());
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

// Each iteration reads the floor, then loads the day; the iteration time is
// the load's. The ratio is of the best times of both, taken side by side so
// that both see the same machine.
void BM_DayLoad(benchmark::State& state) {
    Store& s = store();
    vantor::DayLoader loader{vantor::StorePaths(s.dir())};
    Clock::duration bestFloor = Clock::duration::max(), bestLoad = Clock::duration::max();
    for (auto _ : state) {
        auto start = Clock::now();
        benchmark::DoNotOptimize(readFloor());
        bestFloor = std::min(bestFloor, Clock::now() - start);
        start = Clock::now();
        const auto result = loader.load(s.dayName(), s.day());
        const Clock::duration load = Clock::now() - start;
        benchmark::DoNotOptimize(result.raceItems.size());
        bestLoad = std::min(bestLoad, load);
        state.SetIterationTime(std::chrono::duration<double>(load).count());
    }
    state.counters["races"] = s.day().RaceCount;
    state.counters["load_ms"] = millisecondsOf(bestLoad);
    state.counters["floor_ms"] = millisecondsOf(bestFloor);
    state.counters["x_floor"] = millisecondsOf(bestLoad) / millisecondsOf(bestFloor);
}

}  // namespace

BENCHMARK(BM_ReadFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DayLoad)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
