#include "raceday/payout_import.h"

#include <gtest/gtest.h>

#include "raceday/day_loader.h"
#include "store/record_filer.h"
#include "support/program_folder.h"
#include "support/records.h"

using namespace vantor;
using namespace vantor::test;

namespace {

// A day whose payout record names another meeting and day than its race
// record: the load matches on date, course and race number, the import on
// the whole race key.
class PayoutImportTest : public ::testing::Test {
protected:
    PayoutImportTest() {
        StoreBatch batch;
        RecordFiler filer(paths, batch);
        std::vector<SjisString> lines;
        const RaceId race{.race = 11}, otherMeeting{.meeting = 3, .race = 11};
        filer.fileAcquired(raRecord(race, 1), 20240101, lines);
        filer.fileAcquired(seBuilder(race, 1)
                               .number(jvdata::se::Wakuban, 1)
                               .number(jvdata::se::KakuteiJyuni, 1)
                               .number(jvdata::se::Odds, 35)
                               .take(),
                           20240101, lines);
        filer.fileAcquired(hrRecord(otherMeeting, "7", 1), 20240101, lines);
        batch.flush();
    }
    ProgramFolder app;
    StorePaths paths = app.paths();
    std::unique_ptr<RaceDay> day = RaceDay::create();
};

}  // namespace

TEST_F(PayoutImportTest, LoadMatchesTwelveCharactersImportSixteen) {
    ASSERT_EQ(DayLoader(paths).load("2024年05月26日", *day).status, DayLoadResult::Status::loaded);
    EXPECT_EQ(day->RaceTbl[0].HrLoaded, 1);
    EXPECT_EQ(day->RaceTbl[0].TanUmaban[1], 1);
    EXPECT_EQ(day->RaceTbl[0].TanPay[1], 350);

    importPayouts(*day, paths, "2024年05月26日");
    EXPECT_EQ(day->RaceTbl[0].TanUmaban[1], 0);  // the payout names another meeting
    EXPECT_EQ(day->RaceTbl[0].KekkaChakujun[0], 1);
    EXPECT_DOUBLE_EQ(day->RaceTbl[0].KekkaOdds[0], 3.5);
}

TEST_F(PayoutImportTest, MissingFilesLeaveTheTablesAsTheyWere) {
    ASSERT_EQ(DayLoader(paths).load("2024年05月26日", *day).status, DayLoadResult::Status::loaded);
    importPayouts(*day, paths, "2023年01月01日");
    EXPECT_EQ(day->RaceTbl[0].TanUmaban[1], 1);
    EXPECT_EQ(day->RaceTbl[0].KekkaChakujun[0], 1);
}
