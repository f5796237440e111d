// The record queries on the filed ten-year demo's analysis database: each
// subject's record of the default twelve months (and a jockey's of the
// whole ten years), a horse's career and finding people by name, against
// the floor of reading the same runner rows with one plain query of the
// runners table (through its indexes, without joins), timed in the same
// run. Every query must
// answer within 100 ms.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>

#include "demo_store.h"
#include "export/analysis_db.h"
#include "stats/horse_career.h"
#include "stats/person_record.h"
#include "stats/record_figures.h"

namespace {

namespace fs = std::filesystem;
using namespace vantor;
using namespace vantor::stats;

// The ten-year demo filed and its analysis database built once for all the
// measurements.
struct TenYears {
    // A folder of this run's own, so that another run's (or its clean-up) never meets it.
    fs::path base = fs::temp_directory_path() / ("vantor-stats-bench-" + std::to_string(::getpid()));
    std::optional<StatsDb> db;

    TenYears() {
        const auto feed = vantor::bench::generateDemo(base / "feed", 10);
        vantor::bench::fileDemo(feed, base / "app");
        fs::remove_all(base / "feed");
        const auto built = sqlexport::updateAnalysisDb(StorePaths(base / "app"), {});
        if (built.status == sqlexport::AnalysisDbUpdate::Status::failed) {
            std::cerr << built.problem << '\n';
            std::exit(1);
        }
        auto opened = StatsDb::open(sqlexport::analysisDbPath(base / "app"));
        if (auto* error = std::get_if<std::string>(&opened)) {
            std::cerr << *error << '\n';
            std::exit(1);
        }
        db.emplace(std::move(std::get<StatsDb>(opened)));
    }
    ~TenYears() { fs::remove_all(base); }

    // The code with the most runner rows in column of table.
    std::string busiest(const char* column, const char* from = "runners") {
        auto& q = db->query(std::string("SELECT ") + column + " FROM " + from + " WHERE " + column +
                            " IS NOT NULL GROUP BY " + column + " ORDER BY count(*) DESC LIMIT 1");
        q.next();
        return std::string(q.text(0));
    }
};

TenYears& tenYears() {
    static TenYears demo;
    return demo;
}

double msOf(const std::function<void()>& run) {
    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        best =
            std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

// Reads the runner rows that `where` picks (code ?1) within the period by
// one plain query of the runners table (its indexes, no joins).
double scanMs(const std::string& where, const std::string& code, const RecordFilter& period) {
    auto& db = *tenYears().db;
    const std::string sql = "SELECT race_date, kakuteijyuni, ninki, ijyocd FROM runners WHERE " + where +
                            " AND race_date BETWEEN ?2 AND ?3";
    return msOf([&] {
        auto& q = db.query(sql);
        q.bind(1, code).bind(2, isoDate(period.from)).bind(3, isoDate(period.to));
        long long rows = 0;
        while (q.next()) ++rows;
        benchmark::DoNotOptimize(rows);
    });
}

void report(benchmark::State& state, double ms, double floorMs, long long rows) {
    state.counters["query_ms"] = ms;
    state.counters["floor_scan_ms"] = floorMs;
    state.counters["ratio_to_floor"] = ms / floorMs;
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["within_100ms"] = ms <= 100 ? 1 : 0;
}

struct RecordCase {
    SubjectKind kind;
    const char* column;  // the column of the subject's code
    bool wholeStore;
};

// The subject's runner rows for the floor's scan.
std::string runnersOf(const RecordCase& c) {
    if (c.kind == SubjectKind::sire) return "kettonum IN (SELECT kettonum FROM horses WHERE hansyokunum_1 = ?1)";
    return std::string(c.column) + " = ?1";
}

void BM_Record(benchmark::State& state, RecordCase c) {
    auto& demo = tenYears();
    auto& db = *demo.db;
    const std::string code = c.kind == SubjectKind::sire ? demo.busiest(c.column, "horses") : demo.busiest(c.column);
    const Subject subject{c.kind, code, {}};
    RecordFilter filter;
    if (c.wholeStore) filter.from = 19000101;
    const RecordFilter period = withDefaultPeriod(db, filter);
    PersonRecord record;
    double ms = 0;
    for (auto _ : state) {
        ms = msOf([&] { record = personRecord(db, subject, filter, Dimension::course); });
        state.SetIterationTime(ms / 1000);
    }
    report(state, ms, scanMs(runnersOf(c), code, period), record.total.starts);
}
BENCHMARK_CAPTURE(BM_Record, jockey_12_months, RecordCase{SubjectKind::jockey, "kisyucode", false})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Record, trainer_12_months, RecordCase{SubjectKind::trainer, "chokyosicode", false})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Record, owner_12_months, RecordCase{SubjectKind::owner, "banusicode", false})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Record, sire_12_months, RecordCase{SubjectKind::sire, "hansyokunum_1", false})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Record, jockey_ten_years, RecordCase{SubjectKind::jockey, "kisyucode", true})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void BM_Career(benchmark::State& state) {
    auto& demo = tenYears();
    const Subject horse{SubjectKind::horse, demo.busiest("kettonum"), {}};
    HorseCareer career;
    double ms = 0;
    for (auto _ : state) {
        ms = msOf([&] { career = horseCareer(*demo.db, horse); });
        state.SetIterationTime(ms / 1000);
    }
    RecordFilter whole;
    whole.from = 19000101;
    whole.to = 99991231;
    report(state, ms, scanMs("kettonum = ?1", horse.code, whole), static_cast<long long>(career.runs.size()));
}
BENCHMARK(BM_Career)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// Finding a jockey by his exact name, and by one character of it (every
// name that holds it).
void BM_FindJockey(benchmark::State& state, bool part) {
    auto& demo = tenYears();
    auto& db = *demo.db;
    // A jockey code is ASCII digits, the same bytes in Shift-JIS.
    const auto found = findSubjects(db, SubjectKind::jockey, sjisBytes(demo.busiest("kisyucode")));
    const SjisString name = part ? SjisString(found.front().name.view().substr(0, 2)) : found.front().name;
    std::size_t matches = 0;
    double ms = 0;
    for (auto _ : state) {
        ms = msOf([&] { matches = findSubjects(db, SubjectKind::jockey, name).size(); });
        state.SetIterationTime(ms / 1000);
    }
    RecordFilter whole;
    whole.from = 19000101;
    whole.to = 99991231;
    report(state, ms, scanMs("kisyucode = ?1", found.front().code, whole), static_cast<long long>(matches));
}
BENCHMARK_CAPTURE(BM_FindJockey, exact_name, false)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindJockey, part_of_name, true)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// The classes the record dialog offers, read once as it opens, beside one
// plain scan of the races table's class column.
void BM_StoredClasses(benchmark::State& state) {
    auto& db = *tenYears().db;
    std::size_t classes = 0;
    double ms = 0;
    for (auto _ : state) {
        ms = msOf([&] { classes = storedClasses(db).size(); });
        state.SetIterationTime(ms / 1000);
    }
    const double floorMs = msOf([&] {
        auto& q = db.query("SELECT jyokencd_5 FROM races");
        q.restart();
        long long rows = 0;
        while (q.next()) ++rows;
        benchmark::DoNotOptimize(rows);
    });
    report(state, ms, floorMs, static_cast<long long>(classes));
}
BENCHMARK(BM_StoredClasses)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
