// Exporting the filed 3-year demo, its newest race day's live files and a
// marks file into a new SQLite file, against the read floor (reading every
// store file once with `cat`), and an export with nothing changed, timed in
// the same run. Then the update of the analysis database with nothing new,
// against the two things it cannot do without: looking at every store
// file once (stat) and reading the file table of the last export.

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "demo_store.h"
#include "export/analysis_db.h"
#include "export/sqlite_sink.h"
#include "export/store_export.h"
#include "jvlink/feed_jvlink.h"
#include "jvlink/live_fetch.h"
#include "store/live_files.h"
#include "usermarks/user_marks_export.h"
#include "usermarks/user_marks_file.h"

namespace {

namespace fs = std::filesystem;
using namespace vantor;

// The demo's newest race day as a schedule has fetched it by the day's end,
// and a few marks on it.
void fileLiveDayAndMarks(const fs::path& feed, const fs::path& app) {
    FeedJVLink link{FeedSettings{feed, 0, "0490"}};
    link.JVInit("Vantor");
    link.setJapanClock([] { return std::string("20240526170000"); });
    LiveFiler filer(StorePaths(app), "20240526");
    fetchLive(link, filer, LiveDataspec::dayChanges, "20240526", [] {});
    fetchLive(link, filer, LiveDataspec::weights, "20240526", [] {});
    for (const auto& e : fs::directory_iterator(feed / "realtime/20240526")) {
        const std::string name = e.path().filename().string();
        if (name.substr(14, 6) != "_0B30_") continue;
        // The race key in the file's name is ASCII digits, the same bytes in Shift-JIS.
        const SjisView key = sjisBytes(std::string_view(name).substr(20, 16));
        fetchLive(link, filer, LiveDataspec::odds, key, [] {});
        fetchLive(link, filer, LiveDataspec::winOddsSeries, key, [] {});
    }
    filer.write();
    auto marks = UserMarksFile::open(userMarksPath(app));
    for (int horse = 1; horse <= 5; ++horse)
        std::get<UserMarksFile>(marks).setMark("2024052605021212", horse, 1, static_cast<UserMark>(horse));
}

double secondsToExport(const fs::path& app, const fs::path& file) {
    const auto start = std::chrono::steady_clock::now();
    auto opened = sqlexport::SqliteSink::open(file, false);
    const UserMarksExportSource marks(app);
    sqlexport::ExportOptions options;
    options.sideSources.push_back(&marks);
    sqlexport::exportStore(StorePaths(app), *std::get<0>(opened), options);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_ExportTheDemo(benchmark::State& state) {
    const fs::path base = fs::temp_directory_path() / "vantor-export-bench";
    fs::remove_all(base);
    const fs::path app = base / "app", file = base / "demo.sqlite";
    const auto feed = vantor::bench::generateDemo(base / "feed", 3);
    vantor::bench::fileDemo(feed, app);
    fileLiveDayAndMarks(feed.folder, app);
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
    state.counters["unchanged_to_floor"] = unchanged / reading;
}
BENCHMARK(BM_ExportTheDemo)->UseManualTime()->Iterations(3)->Unit(benchmark::kSecond);

template <class F>
double secondsTaken(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Every store file looked at once, by its path, as any check for changes must.
double secondsToStat(const std::vector<fs::path>& files) {
    return secondsTaken([&] {
        struct stat st {};
        for (const auto& file : files) benchmark::DoNotOptimize(::stat(file.c_str(), &st));
    });
}

// The file table of the database read whole with one query.
double secondsToReadFileTable(const fs::path& db) {
    return secondsTaken([&] {
        sqlite3* handle = nullptr;
        sqlite3_open_v2(db.c_str(), &handle, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(handle, "SELECT path, size, mtime FROM store_files", -1, &stmt, nullptr);
        long long bytes = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) bytes += sqlite3_column_bytes(stmt, 0) + sqlite3_column_int64(stmt, 2);
        benchmark::DoNotOptimize(bytes);
        sqlite3_finalize(stmt);
        sqlite3_close(handle);
    });
}

void BM_UpdateTheAnalysisDbWithNothingNew(benchmark::State& state) {
    const fs::path base = fs::temp_directory_path() / "vantor-analysis-db-bench";
    fs::remove_all(base);
    const fs::path app = base / "app";
    const auto feed = vantor::bench::generateDemo(base / "feed", 3);
    vantor::bench::fileDemo(feed, app);
    fileLiveDayAndMarks(feed.folder, app);
    const StorePaths paths(app);
    const UserMarksExportSource marks(app);
    // The first build as the window runs it: the longest time between two
    // calls that let it process its events.
    auto last = std::chrono::steady_clock::now();
    double longestWait = 0;
    const auto alive = [&] {
        const auto now = std::chrono::steady_clock::now();
        longestWait = std::max(longestWait, std::chrono::duration<double>(now - last).count());
        last = now;
    };
    const double first = secondsTaken([&] {
        sqlexport::updateAnalysisDb(
            paths, {&marks}, [&](int, int) { alive(); }, alive);
    });
    std::vector<fs::path> files;
    for (const auto& file : sqlexport::scanStore(paths)) files.push_back(app / file.path);
    const fs::path db = sqlexport::analysisDbPath(app);
    double update = 1e9, stat = 1e9, table = 1e9;
    for (auto _ : state) {
        const auto before = fs::last_write_time(db);
        const double took = secondsTaken([&] {
            if (sqlexport::updateAnalysisDb(paths, {&marks}).report.filesRead != 0) state.SkipWithError("files read");
        });
        if (fs::last_write_time(db) != before) state.SkipWithError("the database was written");
        update = std::min(update, took);
        stat = std::min(stat, secondsToStat(files));
        table = std::min(table, secondsToReadFileTable(db));
        state.SetIterationTime(took);
    }
    fs::remove_all(base);
    state.counters["store_files"] = static_cast<double>(files.size());
    state.counters["first_build_s"] = first;
    state.counters["first_build_longest_wait_s"] = longestWait;
    state.counters["unchanged_s"] = update;
    state.counters["floor_stat_s"] = stat;
    state.counters["floor_file_table_s"] = table;
    state.counters["unchanged_to_stat"] = update / stat;
    state.counters["unchanged_to_floors"] = update / (stat + table);
}
BENCHMARK(BM_UpdateTheAnalysisDbWithNothingNew)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
