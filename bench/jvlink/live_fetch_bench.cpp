// A full live fetch of a 36-race day through the feed replacement (0B14,
// 0B11, 36 x 0B30, 36 x 0B41), into an empty live folder and again with
// nothing new, against the read floor: reading the same feed files once,
// whole.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "fileio/whole_file.h"
#include "jvlink/feed_jvlink.h"
#include "jvlink/live_fetch.h"
#include "store/jvdata_live_structure.h"
#include "store/jvdata_record.h"

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
    char announce[9];
    std::snprintf(announce, sizeof announce, "0526%02d%02d", 9 + minutes / 60, minutes % 60);
    RecordBuilder b(layout);
    b.text(wh::DataKubun, "1").number(wh::MakeDate, 20240526).number(wh::Year, 2024).number(wh::MonthDay, 526);
    b.text(wh::JyoCD, course).number(wh::Kaiji, 2).number(wh::Nichiji, 12).number(wh::RaceNum, race);
    b.text(wh::HappyoTime, announce);
    return b.take();
}

void put(const fs::path& folder, const std::string& name, const std::string& bytes) {
    fs::create_directories(folder);
    std::ofstream(folder / (name + ".jvd"), std::ios::binary) << bytes;
}

class LiveDayFeed {
public:
    LiveDayFeed() {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("vantor-live-bench-" + std::to_string(rd()));
        const fs::path day = dir_ / "feed/realtime/20240526";
        std::string changes;
        for (const char* course : kCourses) {
            for (int race = 1; race <= 12; ++race) {
                const std::string key = raceKeyOf(course, race);
                changes += record(kTcLayout, course, race, 0);
                put(day, "20240526100000_0B11_" + key, record(kWhLayout, course, race, 60));
                std::string odds = record(kO1Layout, course, race, 90) + record(kO2Layout, course, race, 90);
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
        for (const auto& e : fs::directory_iterator(day)) files_.push_back(e.path());
        // Written a minute ago, as a feed between two announcements is.
        fs::last_write_time(day, fs::file_time_type::clock::now() - std::chrono::minutes(1));
    }
    ~LiveDayFeed() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    fs::path feed() const { return dir_ / "feed"; }
    fs::path app() const { return dir_ / "app"; }
    std::size_t files() const { return files_.size(); }
    std::size_t readFloor() const {
        std::size_t bytes = 0;
        for (const fs::path& p : files_) bytes += readWholeFile(p).bytes.size();
        return bytes;
    }

private:
    fs::path dir_;
    std::vector<fs::path> files_;
};

double millisecondsOf(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Every fetch of a full day: 0B14 and 0B11 for the day, 0B30 and 0B41 for
// each race; the number of files written.
int fetchDay(FeedJVLink& link, const StorePaths& paths) {
    int written = fetchLive(link, paths, LiveDataspec::dayChanges, "20240526", [] {}).filesWritten;
    written += fetchLive(link, paths, LiveDataspec::weights, "20240526", [] {}).filesWritten;
    for (const char* course : kCourses) {
        for (int race = 1; race <= 12; ++race) {
            written += fetchLive(link, paths, LiveDataspec::odds, raceKeyOf(course, race), [] {}).filesWritten;
            written += fetchLive(link, paths, LiveDataspec::winOddsSeries, raceKeyOf(course, race), [] {}).filesWritten;
        }
    }
    return written;
}

// Each iteration reads the floor, then fetches the day (warm: the files are
// in the page cache): into an empty live folder (first) or into the one the
// same fetch filed before (again, nothing new). The ratio is of the best
// times of both, taken side by side.
void liveDayFetch(benchmark::State& state, bool again) {
    static LiveDayFeed feed;
    FeedJVLink link(FeedSettings{feed.feed(), 0, "0490"});
    link.JVInit("Vantor");
    link.setJapanClock([] { return std::string("20240526170000"); });
    const StorePaths paths(feed.app());
    fs::remove_all(feed.app());
    fs::create_directories(feed.app());
    if (again) fetchDay(link, paths);
    Clock::duration bestFloor = Clock::duration::max(), bestFetch = Clock::duration::max();
    std::size_t bytes = 0;
    for (auto _ : state) {
        if (!again) {
            fs::remove_all(feed.app());
            fs::create_directories(feed.app());
        }
        auto start = Clock::now();
        benchmark::DoNotOptimize(bytes = feed.readFloor());
        bestFloor = std::min(bestFloor, Clock::now() - start);
        start = Clock::now();
        const int written = fetchDay(link, paths);
        const Clock::duration fetch = Clock::now() - start;
        // The day's two files, then per race its O1 and O2 lines, its O3-O6 and its series.
        if (written != (again ? 0 : 2 + 36 * 7)) state.SkipWithError("the fetch wrote other files than it should");
        bestFetch = std::min(bestFetch, fetch);
        state.SetIterationTime(std::chrono::duration<double>(fetch).count());
    }
    state.counters["files"] = static_cast<double>(feed.files());
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["fetch_ms"] = millisecondsOf(bestFetch);
    state.counters["floor_ms"] = millisecondsOf(bestFloor);
    state.counters["x_floor"] = millisecondsOf(bestFetch) / millisecondsOf(bestFloor);
}

void BM_FullLiveDayFetch(benchmark::State& state) { liveDayFetch(state, false); }
void BM_FullLiveDayFetchAgain(benchmark::State& state) { liveDayFetch(state, true); }

}  // namespace

BENCHMARK(BM_FullLiveDayFetch)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_FullLiveDayFetchAgain)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_MAIN();
