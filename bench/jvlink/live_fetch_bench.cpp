// A full live fetch of a race day through the feed replacement (0B14 and
// 0B11 for the day, 0B30 and 0B41 for every race), into an empty live
// folder and again with nothing new, against the read floor: reading the
// feed files the fetch's opens deliver once, whole. Two days: a synthetic
// one of 36 races, each with its odds and a 40-announcement series, and the
// demo's live day at 17:00, whose folder also holds every earlier odds
// snapshot and 0B14 answer (some 1,850 files).

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>

#include "demo_store.h"
#include "fileio/whole_file.h"
#include "jvlink/feed_jvlink.h"
#include "jvlink/live_fetch.h"
#include "jvlink/realtime_index.h"
#include "jvlink/realtime_opens.h"
#include "record_layouts/jvdata_live_structure.h"
#include "record_layouts/jvdata_record.h"
#include "store/live_files.h"
#include "text/formatted.h"

namespace {

namespace fs = std::filesystem;
using namespace vantor;
using namespace vantor::jvdata;
using Clock = std::chrono::steady_clock;

constexpr const char* kCourses[] = {"05", "06", "09"};
constexpr int kAnnouncements = 40;  // the win-odds series of a race, every ten minutes from 9:00 and more

std::string raceKeyOf(const char* course, int race) {
    char key[17];
    std::snprintf(key, sizeof key, "20240526%s0212%02d", course, race);
    return key;
}

SjisString record(const RecordLayout& layout, const char* course, int race, int minutes) {
    const SjisString announce = formatted("0526%02d%02d", 9 + minutes / 60, minutes % 60);
    RecordBuilder b(layout);
    b.text(wh::DataKubun, "1").number(wh::MakeDate, 20240526).number(wh::Year, 2024).number(wh::MonthDay, 526);
    b.text(wh::JyoCD, sjisBytes(course)).number(wh::Kaiji, 2).number(wh::Nichiji, 12).number(wh::RaceNum, race);
    b.text(wh::HappyoTime, announce);
    return b.take();
}

// A feed file of Shift-JIS records, written as they are.
void put(const fs::path& folder, const std::string& name, SjisView bytes) {
    fs::create_directories(folder);
    std::ofstream(folder / (name + ".jvd"), std::ios::binary) << bytes.bytes();
}

// The synthetic day's realtime/20240526/ folder: one answer per race for
// each snapshot dataspec, and the race's series.
void writeSyntheticDay(const fs::path& day, std::vector<std::string>& raceKeys) {
    SjisString changes;
    for (const char* course : kCourses) {
        for (int race = 1; race <= 12; ++race) {
            const std::string key = raceKeyOf(course, race);
            raceKeys.push_back(key);
            changes += record(kTcLayout, course, race, 0);
            put(day, "20240526100000_0B11_" + key, record(kWhLayout, course, race, 60));
            SjisString odds = record(kO1Layout, course, race, 90) + record(kO2Layout, course, race, 90);
            for (const RecordLayout l : {RecordLayout{"O3", kO3Length, {}}, RecordLayout{"O4", kO4Length, {}},
                                         RecordLayout{"O5", kO5Length, {}}, RecordLayout{"O6", kO6Length, {}}})
                odds += record(l, course, race, 90);
            put(day, "20240526103000_0B30_" + key, odds);
            for (int a = 0; a < kAnnouncements; ++a) {
                char stamp[15];
                std::snprintf(stamp, sizeof stamp, "20240526%02d%02d00", 9 + a * 10 / 60, a * 10 % 60);
                put(day, std::string(stamp) + "_0B41_" + key, record(kO1Layout, course, race, a * 10));
            }
        }
    }
    put(day, "20240526090000_0B14_20240526", changes);
}

// The races of the demo's live day: the keys its odds files name.
std::vector<std::string> demoRaceKeys(const fs::path& day) {
    std::set<std::string> keys;
    for (const FeedFile& f : listFeedFiles(day))
        if (f.name.substr(15, 5) == "0B30_") keys.insert(f.name.substr(20, f.name.size() - 24));
    return {keys.begin(), keys.end()};
}

class LiveDayFeed {
public:
    explicit LiveDayFeed(bool demo) {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("vantor-live-bench-" + std::to_string(rd()));
        if (demo) {
            bench::generateDemo(dir_ / "feed", 1);
            day_ = "20240526";  // the demo's newest race day, 2024-05-27 being a Monday
            raceKeys_ = demoRaceKeys(folder());
        } else {
            day_ = "20240526";
            writeSyntheticDay(folder(), raceKeys_);
        }
        // Written a minute ago, as a feed between two announcements is.
        fs::last_write_time(folder(), fs::file_time_type::clock::now() - std::chrono::minutes(1));
        // The files the day's opens deliver at the clock, each once.
        const std::vector<FeedFile> all = listFeedFiles(folder());
        const RealtimeIndex index(all, day_);
        std::set<fs::path> delivered;
        for (const auto& [dataspec, key] : opens()) {
            const RealtimeDataspec* spec = realtimeDataspec(dataspecText(dataspec));
            for (const FeedFile* f : index.delivery(spec->dataspec, *parseRealtimeKey(key), clock(), spec->snapshot))
                delivered.insert(f->path);
        }
        delivered_.assign(delivered.begin(), delivered.end());
        folderFiles_ = all.size();
    }
    ~LiveDayFeed() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    fs::path feed() const { return dir_ / "feed"; }
    fs::path folder() const { return feed() / "realtime" / day_; }
    fs::path app() const { return dir_ / "app"; }
    // The day and the race keys are ASCII digits, as the feed files' names hold them; the filer
    // and the fetch take the same bytes as Shift-JIS.
    const std::string& day() const { return day_; }
    std::string clock() const { return day_ + "170000"; }
    std::size_t folderFiles() const { return folderFiles_; }
    std::size_t deliveredFiles() const { return delivered_.size(); }
    std::size_t races() const { return raceKeys_.size(); }

    // The day's opens in the order a full fetch makes them.
    std::vector<std::pair<LiveDataspec, std::string>> opens() const {
        std::vector<std::pair<LiveDataspec, std::string>> all{{LiveDataspec::dayChanges, day_},
                                                              {LiveDataspec::weights, day_}};
        for (const std::string& key : raceKeys_) {
            all.emplace_back(LiveDataspec::odds, key);
            all.emplace_back(LiveDataspec::winOddsSeries, key);
        }
        return all;
    }

    std::size_t readFloor() const {
        std::size_t bytes = 0;
        for (const fs::path& p : delivered_) bytes += readWholeFile(p).bytes.size();
        return bytes;
    }

private:
    fs::path dir_;
    std::string day_;
    std::vector<std::string> raceKeys_;
    std::vector<fs::path> delivered_;
    std::size_t folderFiles_ = 0;
};

double millisecondsOf(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct DayFetch {
    int written = 0;
    bool failed = false;
};

// The day's fetches into one filer, and its files written after the last.
DayFetch fetchDay(FeedJVLink& link, const StorePaths& paths, const LiveDayFeed& feed) {
    DayFetch out;
    LiveFiler filer(paths, sjisBytes(feed.day()));
    for (const auto& [dataspec, key] : feed.opens()) {
        const LiveFetchOutcome o = fetchLive(link, filer, dataspec, sjisBytes(key), [] {});
        out.failed = out.failed || o.failed() || !o.skipped.empty();
    }
    out.written = filer.write();
    return out;
}

// The live files a fetch filed, by name, with their bytes.
std::vector<std::pair<std::string, std::string>> liveImage(const fs::path& folder) {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& e : fs::directory_iterator(folder))
        files.emplace_back(e.path().filename().string(), readWholeFile(e.path()).bytes);
    return files;
}

// What writing the fetch's live files costs at the least: each written
// once, whole and straight, into a folder of its own.
void writeImage(const std::vector<std::pair<std::string, std::string>>& files, const fs::path& folder) {
    fs::create_directories(folder);
    for (const auto& [name, bytes] : files)
        std::ofstream(folder / name, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

// Each iteration reads the floor, then fetches the day (warm: the files are
// in the page cache): into an empty program folder of its own (first) or
// into the one the same fetch filed before (again, nothing new). The empty
// folders are removed only after the last iteration: a removal just before
// would leave the file system the freed inodes to step over in every file
// the fetch makes, which a race day's first fetch does not meet. The ratio
// is of the best times of both, taken side by side. A first fetch also
// writes the day's live files, which the read floor leaves out: beside it,
// the floor of reading the feed files and writing the live files once each.
void liveDayFetch(benchmark::State& state, const LiveDayFeed& feed, bool again) {
    FeedJVLink link(FeedSettings{feed.feed(), 0, "0490"});
    link.JVInit("Vantor");
    link.setJapanClock([clock = feed.clock()] { return clock; });
    fs::remove_all(feed.app());
    const StorePaths filedPaths(feed.app() / "filed");
    const int filed = fetchDay(link, filedPaths, feed).written;
    const auto image = liveImage(filedPaths.liveDayDir(sjisBytes(feed.day())));
    Clock::duration bestFloor = Clock::duration::max(), bestFetch = Clock::duration::max();
    Clock::duration bestWriteFloor = Clock::duration::max();
    std::size_t bytes = 0;
    int iteration = 0;
    for (auto _ : state) {
        const fs::path app = again ? feed.app() / "filed" : feed.app() / std::to_string(++iteration);
        fs::create_directories(app);
        auto start = Clock::now();
        benchmark::DoNotOptimize(bytes = feed.readFloor());
        bestFloor = std::min(bestFloor, Clock::now() - start);
        if (!again) {
            start = Clock::now();
            writeImage(image, feed.app() / ("floor" + std::to_string(iteration)));
            bestWriteFloor = std::min(bestWriteFloor, Clock::now() - start);
        }
        start = Clock::now();
        const DayFetch fetched = fetchDay(link, StorePaths(app), feed);
        const Clock::duration fetch = Clock::now() - start;
        if (fetched.failed) state.SkipWithError("a fetch failed or skipped records");
        if (fetched.written != (again ? 0 : filed)) state.SkipWithError("the fetch wrote other files than it should");
        bestFetch = std::min(bestFetch, fetch);
        state.SetIterationTime(std::chrono::duration<double>(fetch).count());
    }
    fs::remove_all(feed.app());
    state.counters["races"] = static_cast<double>(feed.races());
    state.counters["folder_files"] = static_cast<double>(feed.folderFiles());
    state.counters["read_files"] = static_cast<double>(feed.deliveredFiles());
    state.counters["written"] = again ? 0 : filed;
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["fetch_ms"] = millisecondsOf(bestFetch);
    state.counters["floor_ms"] = millisecondsOf(bestFloor);
    state.counters["x_floor"] = millisecondsOf(bestFetch) / millisecondsOf(bestFloor);
    if (!again) {
        const double readWrite = millisecondsOf(bestFloor) + millisecondsOf(bestWriteFloor);
        state.counters["read_write_floor_ms"] = readWrite;
        state.counters["x_read_write_floor"] = millisecondsOf(bestFetch) / readWrite;
    }
}

const LiveDayFeed& syntheticDay() {
    static const LiveDayFeed feed(false);
    return feed;
}

const LiveDayFeed& demoDay() {
    static const LiveDayFeed feed(true);
    return feed;
}

void BM_SyntheticDayFetch(benchmark::State& state) { liveDayFetch(state, syntheticDay(), false); }
void BM_SyntheticDayFetchAgain(benchmark::State& state) { liveDayFetch(state, syntheticDay(), true); }
void BM_DemoDayFetch(benchmark::State& state) { liveDayFetch(state, demoDay(), false); }
void BM_DemoDayFetchAgain(benchmark::State& state) { liveDayFetch(state, demoDay(), true); }

}  // namespace

// The best of many: the machine's other work moves single runs.
BENCHMARK(BM_SyntheticDayFetch)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_SyntheticDayFetchAgain)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(BM_DemoDayFetch)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_DemoDayFetchAgain)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK_MAIN();
