// Filing the whole demo of three and of ten years, as the set-up
// acquisition of a first start does, against the write floor: writing the
// finished store's files from memory (folders made, each file written
// whole) and `sync`, timed in the same run. The floor documents what the
// disk takes; filing has no target against it.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "demo_store.h"
#include "fileio/whole_file.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using vantor::bench::secondsOf;

// Every file of a store, by its path inside the program folder.
struct StoreImage {
    std::vector<fs::path> folders;
    std::vector<std::pair<fs::path, std::string>> files;
    std::size_t bytes = 0;
};

StoreImage imageOf(const fs::path& app) {
    StoreImage image;
    for (const auto& e : fs::recursive_directory_iterator(app)) {
        const fs::path inside = fs::relative(e.path(), app);
        if (e.is_directory()) {
            image.folders.push_back(inside);
        } else if (e.is_regular_file()) {
            image.files.emplace_back(inside, vantor::readWholeFile(e.path()).bytes);
            image.bytes += image.files.back().second.size();
        }
    }
    return image;
}

// The floor: the image written into a fresh folder, then synced.
double writeFromMemory(const StoreImage& image, const fs::path& to) {
    const auto start = Clock::now();
    fs::create_directories(to);
    for (const fs::path& folder : image.folders) fs::create_directories(to / folder);
    for (const auto& [inside, bytes] : image.files) {
        std::ofstream out(to / inside, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::cerr << "cannot write " << (to / inside).string() << '\n';
            std::exit(1);
        }
    }
    return std::chrono::duration<double>(Clock::now() - start).count() + secondsOf("sync");
}

void BM_FileTheDemo(benchmark::State& state) {
    const int years = static_cast<int>(state.range(0));
    const fs::path base = fs::temp_directory_path() / "vantor-filing-bench";
    fs::remove_all(base);
    const auto feed = vantor::bench::generateDemo(base / "feed", years);
    vantor::bench::fileDemo(feed, base / "warm");  // JV-Link's download fills the feed's cache
    const StoreImage image = imageOf(base / "warm");
    fs::remove_all(base / "warm");
    // The best of each over the iterations, taken side by side so that both
    // see the same machine.
    double filing = 1e9, writing = 1e9;
    long long reads = 0;
    for (auto _ : state) {
        const fs::path app = base / "app", copy = base / "copy";
        fs::remove_all(app);
        fs::remove_all(copy);
        secondsOf("sync");
        const auto start = Clock::now();
        reads = vantor::bench::fileDemo(feed, app);
        const double filed = std::chrono::duration<double>(Clock::now() - start).count() + secondsOf("sync");
        filing = std::min(filing, filed);
        writing = std::min(writing, writeFromMemory(image, copy));
        state.SetIterationTime(filed);
    }
    fs::remove_all(base);
    state.counters["records_per_s"] = static_cast<double>(reads) / filing;
    state.counters["store_mb"] = static_cast<double>(image.bytes) / 1e6;
    state.counters["files"] = static_cast<double>(image.files.size());
    state.counters["filing_s"] = filing;
    state.counters["floor_write_sync_s"] = writing;
    state.counters["ratio_to_floor"] = filing / writing;
}
BENCHMARK(BM_FileTheDemo)->Arg(3)->Arg(10)->UseManualTime()->Iterations(3)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
