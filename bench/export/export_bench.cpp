// Exporting the filed 3-year demo into a new SQLite file, against the read
// floor (reading every store file once with `cat`), and an export with
// nothing changed, timed in the same run.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "demo_store.h"
#include "export/sqlite_sink.h"
#include "export/store_export.h"

namespace {

namespace fs = std::filesystem;
using namespace vantor;

double secondsToExport(const fs::path& app, const fs::path& file) {
    const auto start = std::chrono::steady_clock::now();
    auto opened = sqlexport::SqliteSink::open(file, false);
    sqlexport::exportStore(StorePaths(app), *std::get<0>(opened), {});
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_ExportTheDemo(benchmark::State& state) {
    const fs::path base = fs::temp_directory_path() / "vantor-export-bench";
    fs::remove_all(base);
    const fs::path app = base / "app", file = base / "demo.sqlite";
    vantor::bench::fileDemo(vantor::bench::generateDemo(base / "feed", 3), app);
    double full = 1e9, unchanged = 1e9, reading = 1e9;
    for (auto _ : state) {
        fs::remove(file);
        const double exported = secondsToExport(app, file);
        full = std::min(full, exported);
        unchanged = std::min(unchanged, secondsToExport(app, file));
        reading = std::min(reading,
                           vantor::bench::secondsOf("find '" + app.string() + "' -type f -exec cat {} + > /dev/null"));
        state.SetIterationTime(exported);
    }
    fs::remove_all(base);
    state.counters["export_s"] = full;
    state.counters["unchanged_s"] = unchanged;
    state.counters["floor_cat_s"] = reading;
    state.counters["ratio_to_floor"] = full / reading;
}
BENCHMARK(BM_ExportTheDemo)->UseManualTime()->Iterations(3)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
