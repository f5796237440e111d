// The demo's odds archives: readable by the independent LHA tool, one pair
// per race day of the last weekends, and once imported their odds reach
// the runners of the day as the day loads again.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "analysis/odds_import.h"
#include "components/archive_extract.h"
#include "demo/demo_feed.h"
#include "odds/lha_tool.h"
#include "raceday/day_loader.h"
#include "store/jvdata_record.h"
#include "store/record_filer.h"
#include "store/store_folders.h"
#include "support/temp_dir.h"

using namespace vantor;
using namespace vantor::test;
namespace fs = std::filesystem;

namespace {

struct DemoOdds {
    TempDir dir;
    demo::DemoResult result;

    DemoOdds() {
        demo::DemoOptions options;
        options.out = dir / "feed";
        options.oddsOut = dir / "odds";
        options.toDate = 20240527;
        options.years = 1;
        result = demo::generateDemoFeed(options);
    }
    fs::path odds() const { return dir / "odds"; }
    fs::path feed() const { return dir / "feed"; }
};

const DemoOdds& demoOdds() {
    static const DemoOdds made;
    return made;
}

std::string yymmdd(int date) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%06d", date % 1000000);
    return buf;
}

}  // namespace

TEST(DemoOdds, BothServicesArchivesForEveryRaceDayOfTheLastWeekends) {
    const DemoOdds& demo = demoOdds();
    ASSERT_TRUE(demo.result.ok()) << demo.result.error;
    std::set<std::string> expected, written;
    for (const auto& day : fs::directory_iterator(demo.feed() / "realtime")) {
        const int date = std::stoi(day.path().filename().string());
        expected.insert("OZ" + yymmdd(date) + ".lzh");
        expected.insert("j" + yymmdd(date) + ".lzh");
    }
    for (const auto& file : fs::directory_iterator(demo.odds())) written.insert(file.path().filename().string());
    EXPECT_EQ(written, expected);
    EXPECT_EQ(demo.result.summary.oddsArchives, static_cast<int>(expected.size()));
}

TEST(DemoOdds, TheIndependentToolReadsTheArchives) {
    SKIP_WITHOUT_LHA();
    const DemoOdds& demo = demoOdds();
    ASSERT_TRUE(demo.result.ok()) << demo.result.error;
    TempDir work;
    const std::string day = yymmdd(demo.result.summary.lastDate);
    for (const auto& [archive, member] : {std::pair{"OZ" + day + ".lzh", "Oz" + day + ".txt"},
                                          std::pair{"j" + day + ".lzh", std::string("kol_ods.kd2")}}) {
        SCOPED_TRACE(archive);
        fs::copy_file(demo.odds() / archive, work / archive);
        const std::string output = runLha(work.path(), "xw=tool " + archive);
        EXPECT_EQ(output.find("rror"), std::string::npos) << output;
        ASSERT_EQ(extractArchive(work / archive, work / "ours").extracted, 1);
        const std::string text = readFile(work / "ours" / member);
        EXPECT_EQ(readFile(work / "tool" / member), text);
        const std::size_t lineLength = member == "kol_ods.kd2" ? 1502 : 955;
        EXPECT_EQ(text.size() % (lineLength + 2), 0u);
        EXPECT_GE(text.size() / (lineLength + 2), 24u);  // two or three racecourses of 12 races
    }
}

// After an import and a reload the runners carry the service's win odds,
// close to their final odds, and rank by them; both services agree.
TEST(DemoOdds, ImportedOddsReachTheRunnersOfTheReloadedDay) {
    const DemoOdds& demo = demoOdds();
    ASSERT_TRUE(demo.result.ok()) << demo.result.error;
    const int date = demo.result.summary.lastDate;
    TempDir app;
    ASSERT_EQ(ensureStoreFolders(app.path()), std::nullopt);
    const StorePaths paths(app.path());
    {
        StoreBatch batch;
        RecordFiler filer(paths, batch);
        std::vector<SjisString> lines;
        for (const auto& file : fs::directory_iterator(demo.feed() / "realtime" / std::to_string(date))) {
            const std::string bytes = readFile(file.path());
            for (std::size_t at = 0, end; (end = bytes.find("\r\n", at)) != std::string::npos; at = end + 2)
                filer.fileAcquired(SjisView(bytes).substr(at, end + 2 - at), 0, lines);
        }
        batch.flush();
    }
    const std::string dayName = dayNameUtf8(std::to_string(date / 10000), std::to_string(date).substr(4));
    const auto day = RaceDay::create();

    TempDir folder;
    fs::copy_file(demo.odds() / ("OZ" + yymmdd(date) + ".lzh"), folder / ("OZ" + yymmdd(date) + ".lzh"));
    ASSERT_EQ(importPredictedOdds(folder / ("OZ" + yymmdd(date) + ".lzh"), paths, true).status,
              OddsImportOutcome::Status::saved);
    ASSERT_EQ(DayLoader(paths).load(dayName, *day).status, DayLoadResult::Status::loaded);

    std::vector<PerRunner<double>> jrdb;
    for (int r = 0; r < kMaxRaces && day->RaceTbl[r].RacePresent; ++r) {
        const TRaceRec& race = day->RaceTbl[r];
        SCOPED_TRACE(r);
        EXPECT_EQ(race.YozLoaded, 1);
        std::vector<std::pair<double, int>> byOdds;
        for (int j = 0; j < kMaxRunners; ++j) {
            const double finalOdds = jvdata::num(day->JvSeTbl[r][j].view(), jvdata::se::Odds) / 10.0;
            if (finalOdds <= 0) {
                EXPECT_EQ(race.YozOdds[j], 0) << "runner " << j + 1;
                continue;
            }
            EXPECT_GE(race.YozOdds[j], std::max(1.0, finalOdds * 0.6)) << "runner " << j + 1;
            EXPECT_LE(race.YozOdds[j], finalOdds * 1.7) << "runner " << j + 1;
            byOdds.push_back({race.YozOdds[j], j});
        }
        std::sort(byOdds.begin(), byOdds.end());
        for (std::size_t n = 0; n < byOdds.size(); ++n)
            EXPECT_EQ(race.YozRank[byOdds[n].second], static_cast<i32>(n + 1));
        jrdb.push_back(race.YozOdds);
    }
    ASSERT_GE(jrdb.size(), 24u);

    fs::copy_file(demo.odds() / ("j" + yymmdd(date) + ".lzh"), folder / ("j" + yymmdd(date) + ".lzh"));
    ASSERT_EQ(importPredictedOdds(folder / ("j" + yymmdd(date) + ".lzh"), paths, true).status,
              OddsImportOutcome::Status::saved);
    DayLoader(paths).load(dayName, *day);
    for (std::size_t r = 0; r < jrdb.size(); ++r) {
        for (int j = 0; j < kMaxRunners; ++j) {
            if (jrdb[r][j] <= 0) continue;
            EXPECT_DOUBLE_EQ(day->RaceTbl[r].YozOdds[j], jrdb[r][j]) << r << "/" << j;
        }
    }
}
