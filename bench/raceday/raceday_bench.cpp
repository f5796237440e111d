// A full race day load against the read floor (reading every file the load
// touches, once, whole): on the synthetic day (36 races of 18 runners with
// 25-run histories) and on the fullest day of the filed 3-year demo.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <set>
#include <string>

#include "demo_store.h"
#include "raceday/day_loader.h"
#include "record_layouts/jvdata_structure.h"
#include "store/day_list.h"
#include "synthetic_day.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// The demo's day with the most runners (filled runner slots).
std::string fullestDay(const fs::path& app) {
    const vantor::StorePaths paths(app);
    std::string best;
    long long bestRunners = -1;
    for (const std::string& day : vantor::listRaceDays(paths)) {
        long long runners = 0;
        for (const auto& e : fs::directory_iterator(paths.dataDir())) {
            const std::string name = e.path().filename().string();
            if (!name.starts_with(day) || !name.ends_with(".jvSEr")) continue;
            const std::string bytes = vantor::readWholeFile(e.path()).bytes;
            for (std::size_t at = 0; at + 2 < bytes.size(); at += vantor::jvdata::kSeLength)
                runners += bytes[at] == 'S' ? 1 : 0;
        }
        if (runners > bestRunners) {
            bestRunners = runners;
            best = day;
        }
    }
    return best;
}

class Store {
public:
    explicit Store(bool demo) {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("vantor-raceday-bench-" + std::to_string(rd()));
        if (demo) {
            vantor::bench::fileDemo(vantor::bench::generateDemo(dir_ / "feed", 3), dir_ / "app");
            dayName_ = fullestDay(dir_ / "app");
        } else {
            fs::create_directories(dir_ / "app");
            dayName_ = vantor::bench::writeSyntheticDay(dir_ / "app");
        }
        // One load with a recording reader names the files a load touches.
        vantor::DayLoader recorder(vantor::StorePaths(dir_ / "app"),
                                   [this](const fs::path& p, const vantor::ReadBound& b) {
                                       touched_.insert(p);
                                       return vantor::readFilePart(p, b);
                                   });
        recorder.load(dayName_, *day_);
    }
    ~Store() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    fs::path app() const { return dir_ / "app"; }
    const std::string& dayName() const { return dayName_; }
    vantor::RaceDay& day() { return *day_; }

    // The read floor: every file the load touches, read once, whole.
    std::size_t readFloor() const {
        std::size_t bytes = 0;
        for (const fs::path& p : touched_) bytes += vantor::readWholeFile(p).bytes.size();
        return bytes;
    }
    std::size_t files() const { return touched_.size(); }

private:
    fs::path dir_;
    std::string dayName_;
    std::set<fs::path> touched_;
    std::unique_ptr<vantor::RaceDay> day_ = vantor::RaceDay::create();
};

double millisecondsOf(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Each iteration reads the floor, then loads the day (warm: the files are
// in the page cache); the iteration time is the load's. The ratio is of
// the best times of both, taken side by side so that both see the same
// machine.
void dayLoad(benchmark::State& state, Store& s) {
    vantor::DayLoader loader{vantor::StorePaths(s.app())};
    Clock::duration bestFloor = Clock::duration::max(), bestLoad = Clock::duration::max();
    std::size_t bytes = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        benchmark::DoNotOptimize(bytes = s.readFloor());
        bestFloor = std::min(bestFloor, Clock::now() - start);
        start = Clock::now();
        const auto result = loader.load(s.dayName(), s.day());
        const Clock::duration load = Clock::now() - start;
        benchmark::DoNotOptimize(result.raceItems.size());
        bestLoad = std::min(bestLoad, load);
        state.SetIterationTime(std::chrono::duration<double>(load).count());
    }
    state.SetLabel(s.dayName());
    state.counters["races"] = s.day().RaceCount;
    state.counters["files"] = static_cast<double>(s.files());
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["load_ms"] = millisecondsOf(bestLoad);
    state.counters["floor_ms"] = millisecondsOf(bestFloor);
    state.counters["x_floor"] = millisecondsOf(bestLoad) / millisecondsOf(bestFloor);
}

void BM_SyntheticDayLoad(benchmark::State& state) {
    static Store store(false);
    dayLoad(state, store);
}

void BM_FullestDemoDayLoad(benchmark::State& state) {
    static Store store(true);
    dayLoad(state, store);
}

}  // namespace

BENCHMARK(BM_SyntheticDayLoad)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullestDemoDayLoad)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
