// The demo's odds archives: once imported, their odds reach the runners of
// the day as the day loads again.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "demo/demo_feed.h"
#include "odds/odds_import.h"
#include "raceday/day_loader.h"
#include "record_layouts/jvdata_record.h"
#include "store/record_filer.h"
#include "store/store_folders.h"
#include "support/temp_dir.h"
#include "text/formatted.h"

using namespace vantor;
using namespace vantor::test;
namespace fs = std::filesystem;

namespace {

std::string yymmdd(int date) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%06d", date % 1000000);
    return buf;
}

}  // namespace

// After an import and a reload the runners carry the service's win odds,
// close to their final odds, and rank by them; both services agree.
TEST(DemoOdds, ImportedOddsReachTheRunnersOfTheReloadedDay) {
    TempDir dir;
    demo::DemoOptions options;
    options.out = dir / "feed";
    options.oddsOut = dir / "odds";
    options.toDate = 20240527;
    options.years = 1;
    const demo::DemoResult made = demo::generateDemoFeed(options);
    ASSERT_TRUE(made.ok()) << made.error;
    const int date = made.summary.lastDate;
    TempDir app;
    ASSERT_EQ(ensureStoreFolders(app.path()), std::nullopt);
    const StorePaths paths(app.path());
    {
        StoreBatch batch;
        RecordFiler filer(paths, batch);
        std::vector<SjisString> lines;
        for (const auto& file : fs::directory_iterator(options.out / "realtime" / std::to_string(date))) {
            const std::string bytes = readFile(file.path());
            for (std::size_t at = 0, end; (end = bytes.find("\r\n", at)) != std::string::npos; at = end + 2)
                filer.fileAcquired(sjisBytes(bytes).substr(at, end + 2 - at), 0, lines);
        }
        batch.flush();
    }
    const std::string dayName = dayNameUtf8(formatted("%d", date / 10000), formatted("%d", date).view().substr(4));
    const auto day = RaceDay::create();

    ASSERT_EQ(importPredictedOdds(options.oddsOut / ("OZ" + yymmdd(date) + ".lzh"), paths, true).status,
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

    ASSERT_EQ(importPredictedOdds(options.oddsOut / ("j" + yymmdd(date) + ".lzh"), paths, true).status,
              OddsImportOutcome::Status::saved);
    DayLoader(paths).load(dayName, *day);
    for (std::size_t r = 0; r < jrdb.size(); ++r) {
        for (int j = 0; j < kMaxRunners; ++j) {
            if (jrdb[r][j] <= 0) continue;
            EXPECT_DOUBLE_EQ(day->RaceTbl[r].YozOdds[j], jrdb[r][j]) << r << "/" << j;
        }
    }
}
