// The live state loaded from the store equals the one built from the
// answers that filed it: the demo's live day, file by file as the service
// announced it, both filed and applied, then loaded at two moments.

#include "raceday/live_day_load.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <vector>

#include "store/live_files.h"
#include "support/demo_live_feed.h"
#include "support/temp_dir.h"

using namespace vantor;

namespace {

constexpr SjisView kDay = "20240526";

std::optional<LiveDataspec> dataspecOf(std::string_view name) {
    const std::string_view spec = name.substr(15, 4);
    if (spec == "0B11") return LiveDataspec::weights;
    if (spec == "0B14") return LiveDataspec::dayChanges;
    if (spec == "0B30") return LiveDataspec::odds;
    if (spec == "0B41") return LiveDataspec::winOddsSeries;
    return std::nullopt;  // the results
}

std::vector<SjisView> linesOf(const std::string& bytes) {
    std::vector<SjisView> lines;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = bytes.find("\r\n", at);
        lines.push_back(sjisBytes(bytes).substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

void expectSameState(const LiveDay& loaded, const LiveDay& applied) {
    for (const char* code : {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10"}) {
        const LiveCourse* a = loaded.course(sjisBytes(code));
        const LiveCourse* b = applied.course(sjisBytes(code));
        ASSERT_EQ(a == nullptr, b == nullptr) << code;
        if (a) {
            EXPECT_TRUE(*a == *b) << code;
        }
        for (int r = 1; r <= kLiveRacesPerCourse; ++r) {
            const LiveRace* x = loaded.race(sjisBytes(code), r);
            const LiveRace* y = applied.race(sjisBytes(code), r);
            ASSERT_EQ(x == nullptr, y == nullptr) << code << " " << r;
            if (x) {
                EXPECT_TRUE(*x == *y) << code << " " << r;
            }
        }
    }
}

class LiveDayLoadTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        feed_ = new test::TempDir;
        const demo::DemoResult made = test::makeDemoLiveFeed(feed_->path());
        ASSERT_TRUE(made.ok()) << made.error;
    }
    static void TearDownTestSuite() { delete feed_; }

    // Applies the demo's live files announced up to stamp that were not yet
    // taken, in announce order, and files them as one step of a live run
    // does: each taken, then written together.
    void announceUpTo(const std::string& stamp) {
        std::map<std::string, std::filesystem::path> files;
        for (const auto& e :
             std::filesystem::directory_iterator(feed_->path() / "realtime" / std::string(kDay.bytes())))
            files[e.path().filename().string()] = e.path();
        LiveFiler filer(paths, kDay);
        LiveSkips skips;
        for (const auto& [name, path] : files) {
            if (name.substr(0, 14) > stamp || name <= taken) continue;
            taken = name;
            const auto dataspec = dataspecOf(name);
            if (!dataspec) continue;
            const std::string bytes = test::readFile(path);
            const std::vector<SjisView> records = linesOf(bytes);
            applied->applyAnswer(*dataspec, records);
            filer.add(*dataspec, records, true, skips);
        }
        filer.write();
        EXPECT_TRUE(skips.entries().empty());
    }

    std::unique_ptr<LiveDay> load() {
        reads.clear();
        std::unique_ptr<LiveDay> loaded = LiveDay::create();
        loadLiveDay(paths, kDay, *loaded, [this](const std::filesystem::path& p, const ReadBound& bound) {
            ++reads[p.filename().string()];
            return readFilePart(p, bound);
        });
        return loaded;
    }

    static test::TempDir* feed_;
    test::TempDir app;
    StorePaths paths{app.path()};
    std::unique_ptr<LiveDay> applied = [] {
        auto day = LiveDay::create();
        day->reset(kDay);
        return day;
    }();
    std::string taken;
    std::map<std::string, int> reads;
};

test::TempDir* LiveDayLoadTest::feed_ = nullptr;

}  // namespace

TEST_F(LiveDayLoadTest, FiledAnswersLoadAsTheStateTheyBuiltReadingEachFileOnce) {
    std::unique_ptr<LiveDay> empty = load();
    EXPECT_TRUE(empty->races().empty()) << "nothing announced: no folder";
    EXPECT_EQ(empty->day(), kDay);

    for (const std::string stamp : {"20240526103000", "20240526170000"}) {
        announceUpTo(stamp);
        const std::unique_ptr<LiveDay> loaded = load();
        ASSERT_FALSE(loaded->races().empty()) << stamp;
        EXPECT_EQ(loaded->races().size(), applied->races().size()) << stamp;
        expectSameState(*loaded, *applied);
        EXPECT_TRUE(loaded->skipped().empty());

        int stateFiles = 0;
        for (const auto& e : std::filesystem::directory_iterator(paths.liveDayDir(kDay))) {
            const std::string name = e.path().filename().string();
            const bool inState =
                name == "changes.jvd" || name == "weights.jvd" || name.starts_with("odds_") || name == "series.jvd";
            stateFiles += inState;
            const auto read = reads.find(name);
            EXPECT_EQ(read == reads.end() ? 0 : read->second, inState ? 1 : 0) << name;
        }
        EXPECT_EQ(static_cast<int>(reads.size()), stateFiles);
    }
}

TEST_F(LiveDayLoadTest, LoadingAnotherDayKeepsNothingOfTheFirst) {
    announceUpTo("20240526120000");
    std::unique_ptr<LiveDay> loaded = load();
    ASSERT_FALSE(loaded->races().empty());
    loadLiveDay(paths, "20240602", *loaded);
    EXPECT_TRUE(loaded->races().empty());
    EXPECT_EQ(loaded->course("05"), nullptr);
}

TEST_F(LiveDayLoadTest, AFolderOfTheEarlierPerRaceFilesLoadsAndTheNextWriteTakesItIn) {
    announceUpTo("20240526120000");
    // The day's odds and series as the earlier layout kept them: a file per
    // race and kind, <JJ><RR>_O3.jvd ... and <JJ><RR>_series.jvd.
    const std::filesystem::path folder = paths.liveDayDir(kDay);
    std::map<std::string, std::string> perRace;
    for (const char* kind : {"O3", "O4", "O5", "O6", "series"}) {
        const std::string dayFile = std::string(kind == std::string_view("series") ? "" : "odds_") + kind + ".jvd";
        const std::string bytes = test::readFile(folder / dayFile);
        ASSERT_FALSE(bytes.empty()) << dayFile;
        for (const SjisView line : linesOf(bytes))
            perRace[std::string(line.substr(19, 2).bytes()).append(line.substr(25, 2).bytes()) + "_" + kind + ".jvd"]
                .append(line.bytes())
                .append("\r\n");
        std::filesystem::remove(folder / dayFile);
    }
    for (const auto& [name, bytes] : perRace) test::writeFile(folder / name, bytes);

    std::unique_ptr<LiveDay> loaded = load();
    expectSameState(*loaded, *applied);
    EXPECT_EQ(reads.size(), 4 + perRace.size()) << "changes, weights, odds_O1 and odds_O2 beside the races' files";
    for (const auto& [name, count] : reads) EXPECT_EQ(count, 1) << name;

    // The afternoon's answers go into the day's files, and the morning's with them.
    announceUpTo("20240526170000");
    for (const auto& [name, bytes] : perRace) EXPECT_FALSE(std::filesystem::exists(folder / name)) << name;
    loaded = load();
    expectSameState(*loaded, *applied);
    EXPECT_FALSE(applied->races().front().winSeries.empty());
}
