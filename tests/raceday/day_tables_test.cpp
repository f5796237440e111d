// What a load leaves in the day's tables: nothing of the day loaded before,
// and each earlier run's race record once, shared by the runners who ran
// in that race.

#include <gtest/gtest.h>

#include <cstring>

#include "raceday/dates.h"
#include "raceday/day_load_test.h"
#include "record_layouts/odds_line_layouts.h"

using namespace vantor;
using namespace vantor::test;
using namespace vantor::jvdata;
namespace fs = std::filesystem;

namespace {

template <class T>
bool sameBytes(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

// Every table of two days, image by image and slot by slot.
void expectSameTables(const RaceDay& a, const RaceDay& b) {
    EXPECT_EQ(a.RaceCount, b.RaceCount);
    EXPECT_EQ(a.ChokList, b.ChokList);
    EXPECT_EQ(a.UmaNameList, b.UmaNameList);
    EXPECT_EQ(a.earlierRuns().pooled(), b.earlierRuns().pooled());
    for (int r = 0; r < kMaxRaces; ++r) {
        EXPECT_TRUE(sameBytes(a.RaceTbl[r], b.RaceTbl[r])) << "race slot " << r;
        EXPECT_TRUE(sameBytes(a.MarkTbl[r], b.MarkTbl[r])) << "marks " << r;
        EXPECT_EQ(a.JvRaTbl[r].view(), b.JvRaTbl[r].view()) << r;
        EXPECT_EQ(a.JvHrTbl[r].view(), b.JvHrTbl[r].view()) << r;
        EXPECT_EQ(a.YozTbl[r].view(), b.YozTbl[r].view()) << r;
        for (int j = 0; j < kMaxRunners; ++j) {
            EXPECT_EQ(a.JvSeTbl[r][j].view(), b.JvSeTbl[r][j].view()) << r << ' ' << j;
            EXPECT_EQ(a.JvUmTbl[r][j].view(), b.JvUmTbl[r][j].view()) << r << ' ' << j;
            EXPECT_EQ(a.earlierRuns().count(r, j), b.earlierRuns().count(r, j)) << r << ' ' << j;
            for (int e = 0; e < kMaxEarlierRuns; ++e) {
                ASSERT_EQ(a.JvSeiTbl(r, j, e).view(), b.JvSeiTbl(r, j, e).view()) << r << ' ' << j << ' ' << e;
                ASSERT_EQ(a.JvSeiRaTbl(r, j, e).view(), b.JvSeiRaTbl(r, j, e).view()) << r << ' ' << j << ' ' << e;
            }
        }
    }
}

bool blank(SjisView image) { return trimBlanks(image).empty(); }

// A blank race image holding only the race key of a record.
SjisString keyOnlyImage(SjisView record) {
    SjisString image(kRaLength, ' ');
    return image.replace(11, 16, record.substr(11, 16));
}

class DayTables : public DayLoadTest {};

}  // namespace

// Day A fills three races with runners, histories, payouts and odds; day B
// has one race of one runner, whose newest history record lacks its year
// (so no race is looked up for it or after it). Loaded after A, B leaves
// exactly the tables B leaves in a day never used before.
TEST_F(DayTables, ASmallerDayAfterALargerOneLeavesWhatItLeavesInANewDay) {
    const RaceId kyoto{.course = "08", .meeting = 3, .day = 4, .race = 1};
    const RaceId later{.date = 20240602};
    file({raRecord(kRace1, 2), raRecord(kRace11, 2), raRecord(kyoto, 1), seRecord(kRace1, 1, "2019100001"),
          seRecord(kRace1, 2, "2019100002"), seRecord(kRace11, 1, "2019100004"), seRecord(kRace11, 2, "2019100005"),
          seRecord(kyoto, 1, "2019100006"), umRecord("2019100001"), hrRecord(kRace11), raRecord(later, 1),
          seRecord(later, 1, "2019100003")});
    for (int n = 1; n <= 5; ++n)
        for (const char* horse : {"2019100001", "2019100002", "2019100004"})
            pastRun({.date = daysBeforeNum(kRaceDate, 14 * n)}, horse, 2);
    RecordBuilder odds(kYozLayout);
    odds.text(yoz::Date, "20240526").text(yoz::CourseCode, "05").text(yoz::RaceNum, "11").text(yoz::Source, "J");
    writeFile(paths.dayFile(kDay, ".yoz"), odds.record().bytes());
    pastRun({.date = daysBeforeNum(kRaceDate, 14)}, "2019100003", 2);
    SjisString yearless = seRecord({.date = 20240601}, 1, "2019100003");
    const fs::path history = paths.horseRunFile("2019100003");
    writeFile(history, readFile(history) + yearless.replace(11, 4, "    ").bytes());

    load();
    ASSERT_EQ(day->RaceCount, 3);
    ASSERT_EQ(day->RaceTbl[1].HrLoaded, 1);
    ASSERT_EQ(day->RaceTbl[1].YozLoaded, 1);
    ASSERT_GT(day->earlierRuns().pooled(), 1);
    ASSERT_FALSE(day->RaceTbl[0].RunDate[0][2].empty());

    load("2024年06月02日");
    const std::unique_ptr<RaceDay> fresh = RaceDay::create();
    ASSERT_EQ(DayLoader(paths).load("2024年06月02日", *fresh).status, DayLoadResult::Status::loaded);
    expectSameTables(*day, *fresh);

    // What that means for the slots A used.
    EXPECT_EQ(day->RaceCount, 1);
    EXPECT_EQ(day->earlierRuns().count(0, 0), 2);
    EXPECT_TRUE(blank(day->JvSeiRaTbl(0, 0, 0).view())) << "a run without a year is not looked up";
    EXPECT_TRUE(blank(day->JvSeiRaTbl(0, 0, 1).view())) << "nor the runs after it";
    EXPECT_TRUE(day->RaceTbl[0].RunDate[0][1].empty());
    EXPECT_TRUE(day->RaceTbl[0].RunDate[0][2].empty());
    EXPECT_EQ(day->earlierRuns().pooled(), 1) << "only the blank image";
    for (int r : {1, 2}) {
        EXPECT_EQ(day->RaceTbl[r].RacePresent, 0);
        EXPECT_EQ(day->RaceTbl[r].HrLoaded, 0);
        EXPECT_EQ(day->RaceTbl[r].YozLoaded, 0);
        EXPECT_TRUE(day->RaceTbl[r].Bamei[0].empty());
        EXPECT_TRUE(blank(day->JvSeTbl[r][0].view()));
        EXPECT_TRUE(blank(day->JvHrTbl[r].view()));
        EXPECT_TRUE(blank(day->JvSeiTbl(r, 0, 0).view()));
    }
    EXPECT_TRUE(blank(day->JvSeTbl[0][1].view()));
}

// Two runners of a race had run together in race P, whose record is in the
// store, and before that in race M, whose record is not; a third had run
// in P 21 runs ago, where a run keeps its race key alone.
TEST_F(DayTables, RunnersOfOneEarlierRaceShareItsRecord) {
    const RaceId p{.date = 20240401, .race = 5}, m{.date = 20240301, .course = "06", .race = 3};
    file({raRecord(kRace11, 3), seRecord(kRace11, 1, "2019100001"), seRecord(kRace11, 2, "2019100002"),
          seRecord(kRace11, 3, "2019100003"), withName(raBuilder(p), "共有")});
    for (int h = 1; h <= 2; ++h) {
        const std::string horse = "201910000" + std::to_string(h);
        file({seRecord(m, h, horse.c_str()), seRecord(p, h, horse.c_str())});
    }
    file({seRecord(p, 3, "2019100003")});
    for (int n = 1; n <= 20; ++n) file({seRecord({.date = daysBeforeNum(kRaceDate, n)}, 1, "2019100003")});

    load();
    const RaImage& shared = day->JvSeiRaTbl(0, 0, 0);
    EXPECT_EQ(&day->JvSeiRaTbl(0, 1, 0), &shared) << "one image for both runners";
    EXPECT_EQ(text(get(shared.view(), ra::Hondai)), "共有");
    EXPECT_EQ(day->RaceTbl[0].RunTosu[1][1], 16);

    const RaImage& missing = day->JvSeiRaTbl(0, 0, 1);
    EXPECT_EQ(&day->JvSeiRaTbl(0, 1, 1), &missing);
    EXPECT_EQ(missing.view(), keyOnlyImage(seRecord(m, 1))) << "a race not in the store keeps the run's key only";
    EXPECT_EQ(day->RaceTbl[0].RunDate[0][2], "20240301"_sjis);
    EXPECT_EQ(day->RaceTbl[0].RunKyori[0][2], 0);

    EXPECT_EQ(day->JvSeiRaTbl(0, 2, 20).view(), keyOnlyImage(seRecord(p, 3))) << "run 21 keeps its key only";
    EXPECT_EQ(day->JvSeiRaTbl(0, 2, 19).view(), keyOnlyImage(seRecord({.date = daysBeforeNum(kRaceDate, 20)}, 1)))
        << "runs 1-20 whose races are not in the store";
    EXPECT_EQ(day->earlierRuns().pooled(), 1 + 3 + 20) << "blank, P, M's key, P's key and the 20 keys of runs 1-20";
}

// One loader for both days, as the window keeps it: day A pools two earlier
// races, P and Q, and a race key alone; day B's runner ran in Q and in a
// race not in the store with the key A kept alone. Each table of the
// loader holds something of A that B asks about again; B must come out as
// a fresh loader gives it, with nothing of A's lookups left.
TEST_F(DayTables, AKeptLoaderLoadsTheNextDayAsAFreshOneDoes) {
    const RaceId later{.date = 20240602};
    const RaceId p{.date = daysBeforeNum(kRaceDate, 14), .race = 3}, q{.date = daysBeforeNum(kRaceDate, 28)};
    const RaceId gone{.date = daysBeforeNum(kRaceDate, 42), .course = "06", .race = 7};
    file({raRecord(kRace11, 1), seRecord(kRace11, 1, "2019100001"), raRecord(later, 1),
          seRecord(later, 1, "2019100003")});
    pastRun(q, "2019100001", 2, "7", "Q");
    pastRun(p, "2019100001", 2, "7", "P");
    file({seRecord(gone, 1, "2019100001"), seRecord(q, 5, "2019100003"), seRecord(gone, 4, "2019100003")});

    ASSERT_EQ(loadAgain().status, DayLoadResult::Status::loaded);
    ASSERT_EQ(day->earlierRuns().pooled(), 4) << "blank, P, Q and the key alone";
    ASSERT_EQ(loadAgain("2024年06月02日").status, DayLoadResult::Status::loaded);

    const std::unique_ptr<RaceDay> fresh = RaceDay::create();
    ASSERT_EQ(DayLoader(paths).load("2024年06月02日", *fresh).status, DayLoadResult::Status::loaded);
    expectSameTables(*day, *fresh);
    EXPECT_EQ(text(get(day->JvSeiRaTbl(0, 0, 0).view(), ra::Hondai)), "Q");
    EXPECT_EQ(day->JvSeiRaTbl(0, 0, 1).view(), keyOnlyImage(seRecord(gone, 4)));
    EXPECT_EQ(day->earlierRuns().pooled(), 3) << "blank, Q and the key alone";
}

// A reset fills the slots in use with zero bytes, as a new day's slots
// start: that is their value only while every field's reset is zero.
TEST(DaySlots, AResetSlotIsAllZeroBytes) {
    const auto race = std::make_unique<TRaceRec>();
    const auto marks = std::make_unique<TRaceMarkRec>();
    const std::vector<char> zeros(sizeof(TRaceRec), 0);
    EXPECT_EQ(std::memcmp(race.get(), zeros.data(), sizeof(TRaceRec)), 0);
    EXPECT_EQ(std::memcmp(marks.get(), zeros.data(), sizeof(TRaceMarkRec)), 0);
}
