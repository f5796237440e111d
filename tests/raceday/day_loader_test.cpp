#include "raceday/day_loader.h"

#include <gtest/gtest.h>

#include <fstream>

#include "raceday/dates.h"
#include "raceday/day_load_test.h"
#include "record_layouts/jvdata_live_structure.h"
#include "record_layouts/odds_line_layouts.h"
#include "store/live_files.h"
#include "text/formatted.h"

using namespace vantor;
using namespace vantor::test;
using namespace vantor::jvdata;
namespace fs = std::filesystem;

TEST_F(DayLoadTest, LoadsRacesRunnersAndTheWindowTexts) {
    const RaceId kyoto{.course = "08", .meeting = 3, .day = 4, .race = 1};
    auto runner = [](const RaceId& id, int horse, const char* horseId, const char* trainer, const char* nameUtf8) {
        return seBuilder(id, horse, horseId)
            .text(se::ChokyosiRyakusyo, sjisBytes(trainer))
            .text(se::Bamei, utf8ToCp932(nameUtf8))
            .number(se::Ninki, horse)
            .take();
    };
    file({raRecord(kRace11, 2), raRecord(kRace1, 1), raRecord(kyoto, 1),
          runner(kRace11, 1, "2020100001", "TB", "アイウ"), runner(kRace11, 2, "2020100002", "TA", "カキク"),
          runner(kRace1, 1, "2020100003", "TB", "アオイ"), runner(kyoto, 1, "2020100004", "TC", "　サシ"),
          umRecord("2020100002", "父馬"), hrRecord(kRace11)});

    const DayLoadResult result = load();
    ASSERT_EQ(result.status, DayLoadResult::Status::loaded);
    EXPECT_EQ(day->RaceCount, 3);
    EXPECT_EQ(day->Over2005, 1);
    std::vector<std::string> items;
    for (const auto& item : result.raceItems) items.push_back(cp932ToUtf8(item));
    EXPECT_EQ(items, (std::vector<std::string>{"東京 2回12日 1R", "東京 2回12日11R", "京都 3回 4日 1R"}));
    EXPECT_EQ(result.upDownMax, 2);
    EXPECT_EQ(result.trainerItems, (std::vector<SjisString>{SjisString("TB        2"), SjisString("TA        1"),
                                                            SjisString("TC        1")}));
    std::vector<std::string> initials;
    for (const auto& i : result.horseInitials) initials.push_back(cp932ToUtf8(i));
    EXPECT_EQ(initials, (std::vector<std::string>{"ア", "カ"})) << "a name starting with a full-width blank has none";

    const TRaceRec& r11 = day->RaceTbl[1];
    EXPECT_EQ(text(r11.Bamei[1]), "カキク");
    EXPECT_EQ(text(r11.Ketto1Name[1]), "父馬");
    EXPECT_TRUE(r11.Ketto1Name[0].empty() || trimBlanks(r11.Ketto1Name[0]).empty());
    // With payouts the order keys take this race's popularity.
    EXPECT_EQ(day->MarkTbl[1].SortKey[1], "e 2 2"_sjis);
    EXPECT_EQ(day->MarkTbl[1].SortRank[1], 2);
    EXPECT_EQ(day->MarkTbl[1].SortRank[17], 18);
    EXPECT_EQ(day->MarkTbl[0].SortKey[0], "f99 1"_sjis);

    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].maximum, 72);
    EXPECT_EQ(opened[0].caption, "レースデータを読み込んでいます。");
    EXPECT_EQ(opened[0].title, kDay);
    EXPECT_EQ(steps, 3 + 36);
    EXPECT_EQ(closed, 1);
    EXPECT_GE(pumps, 3 + 3);
}

TEST_F(DayLoadTest, MissingRaceFileResetsTheDay) {
    file({raRecord(kRace11, 1), seRecord(kRace11, 1)});
    ASSERT_EQ(load().status, DayLoadResult::Status::loaded);
    const DayLoadResult result = load("2024年06月02日");
    EXPECT_EQ(result.status, DayLoadResult::Status::raceFileMissing);
    EXPECT_EQ(cp932ToUtf8(dayDataMissingMessage()), "データ作成が未完了のようです。");
    EXPECT_TRUE(result.raceItems.empty());
    EXPECT_EQ(day->RaceCount, 0);
    EXPECT_EQ(day->RaceTbl[0].RacePresent, 0);
    EXPECT_TRUE(trimBlanks(day->JvSeTbl[0][0].view()).empty());
    EXPECT_EQ(opened.size(), 1u) << "no progress window for a missing day";
}

TEST_F(DayLoadTest, TheDayLoadsItsLiveStateBesideItsRaces) {
    file({raRecord(kRace11, 1), raRecord({.date = 20240602}, 1)});
    RecordBuilder tc(kTcLayout);
    tc.text(tc::DataKubun, "1")
        .number(tc::MakeDate, kRaceDate)
        .number(tc::Year, 2024)
        .number(tc::MonthDay, 526)
        .text(tc::JyoCD, "05")
        .number(tc::Kaiji, 2)
        .number(tc::Nichiji, 12)
        .number(tc::RaceNum, 11)
        .text(tc::HappyoTime, "05261010")
        .text(tc::HassoTime, "1550")
        .text(tc::HassoTimeBefore, "1540");
    const SjisString record = tc.take();
    const SjisView records[] = {record};
    LiveSkips skips;
    ASSERT_EQ(LiveFiler(paths, "20240526").file(LiveDataspec::dayChanges, records, true, skips), 1);

    load();
    ASSERT_NE(day->live().race("05", 11), nullptr);
    EXPECT_EQ(day->live().race("05", 11)->postTime, "1550"_sjis);
    EXPECT_EQ(reads[paths.liveDayDir("20240526") / "changes.jvd"], 1);

    load("2024年06月02日");
    EXPECT_EQ(day->live().day(), "20240602"_sjis);
    EXPECT_TRUE(day->live().races().empty());
}

TEST_F(DayLoadTest, ALaterDayKeepsNothingOfAnEarlierOne) {
    const RaceId later{.date = 20240602};
    file({raRecord(kRace1, 1), raRecord(kRace11, 1), seRecord(kRace1, 1, "2019100001"),
          seRecord(kRace11, 1, "2019100002"), raRecord(later, 1), seRecord(later, 1, "2019100003")});
    for (int n = 1; n <= 5; ++n) pastRun({.date = daysBeforeNum(kRaceDate, 14 * n)}, "2019100001", 2);
    pastRun({.date = daysBeforeNum(kRaceDate, 14)}, "2019100003", 2);
    load();
    ASSERT_EQ(day->RaceTbl[0].RunDate[0][5], daysBefore(kRaceDate, 70));

    load("2024年06月02日");
    EXPECT_EQ(day->RaceCount, 1);
    EXPECT_EQ(day->RaceTbl[0].RunDate[0][1], daysBefore(kRaceDate, 14));
    for (int e = 1; e < kMaxEarlierRuns; ++e) {
        EXPECT_TRUE(trimBlanks(day->JvSeiTbl(0, 0, e).view()).empty()) << e;
        EXPECT_TRUE(trimBlanks(earlierRace(0, 0, e)).empty()) << e;
    }
    EXPECT_TRUE(trimBlanks(day->JvSeTbl[1][0].view()).empty());
    EXPECT_TRUE(trimBlanks(day->JvRaTbl[1].view()).empty());
}

TEST_F(DayLoadTest, HistoryTakesTheTwentyFiveRunsBeforeTheRaceDay) {
    const char* horse = "2019100001";
    file({raRecord(kRace11, 1), seRecord(kRace11, 1, horse)});  // also files the race day's own run
    pastRun({.date = daysBeforeNum(kRaceDate, -7), .course = "06"}, horse, 1);
    for (int n = 1; n <= 30; ++n)
        file({raBuilder({.date = daysBeforeNum(kRaceDate, 14 * n), .course = "06"}).number(ra::Kyori, 1000 + n).take(),
              seRecord({.date = daysBeforeNum(kRaceDate, 14 * n), .course = "06"}, 3, horse)});

    load();
    const TRaceRec& race = day->RaceTbl[0];
    for (int k = 1; k <= kMaxEarlierRuns; ++k) EXPECT_EQ(race.RunDate[0][k], daysBefore(kRaceDate, 14 * k)) << k;
    for (int k = 1; k <= kDetailedEarlierRuns; ++k) EXPECT_EQ(race.RunKyori[0][k], 1000 + k) << k;
    EXPECT_EQ(race.RunKyori[0][21], 0);
    EXPECT_TRUE(race.RunKey[0][21].empty());
    EXPECT_TRUE(trimBlanks(get(earlierRace(0, 0, 20), ra::Kyori)).empty()) << "run 21 keeps only its key";
    EXPECT_EQ(get(earlierRace(0, 0, 20), ra::RaceNum), "11"_sjis);
    EXPECT_EQ(race.Kankaku[0][0], 14);
    EXPECT_EQ(day->MarkTbl[0].SyuDate[0][2], daysBefore(kRaceDate, 14));
}

TEST_F(DayLoadTest, OutsideRacesComeFromSeirNeverFromData) {
    const char* horse = "2019100001";
    file({raRecord(kRace11, 1), seRecord(kRace11, 1, horse)});
    const RaceId overseas{.date = 20240301, .course = "A4"};
    const RaceId local{.date = 20240201, .course = "30", .race = 5};
    const RaceId jra{.date = 20240101, .course = "05"};
    pastRun(overseas, horse, 2, "B", "海外");
    pastRun(local, horse, 2, "A", "地方");
    pastRun(jra, horse, 2, "7", "中央");
    // Decoys with the same date, racecourse and race number in the other folder.
    file({withName(raBuilder(overseas), "偽"), withName(raBuilder(jra, 16, "A"), "偽")});

    load();
    EXPECT_EQ(text(get(earlierRace(0, 0, 0), ra::Hondai)), "海外");
    EXPECT_EQ(text(get(earlierRace(0, 0, 1), ra::Hondai)), "地方");
    EXPECT_EQ(text(get(earlierRace(0, 0, 2), ra::Hondai)), "中央");
}

TEST_F(DayLoadTest, PayoutsMatchOnDateRacecourseAndRaceNumber) {
    file({raRecord(kRace11, 1), raRecord(kRace1, 1),
          hrBuilder({.meeting = 3, .day = 1}).number(hr::TanUmaban, 1).number(hr::TanPay, 730).take(),
          hrBuilder({.race = 10}).number(hr::TanPay, 999).take()});
    load();
    EXPECT_EQ(day->RaceTbl[1].HrLoaded, 1);
    EXPECT_EQ(day->RaceTbl[1].TanPay[1], 730);
    EXPECT_EQ(day->RaceTbl[0].HrLoaded, 0);
    EXPECT_EQ(day->RaceTbl[0].TanPay[1], 0);
}

TEST_F(DayLoadTest, TruncatedFilesLoadTheirWholeRecords) {
    const char* horse = "2019100001";
    file({raRecord(kRace1, 1), raRecord(kRace11, 1), seRecord(kRace11, 1, horse)});
    for (int n = 1; n <= 3; ++n) pastRun({.date = daysBeforeNum(kRaceDate, 28 * n)}, horse, 1);
    const fs::path races = paths.dayFile(kDay, ".jvRA");
    const fs::path history = paths.horseRunFile(sjisBytes(horse));
    writeFile(races, readFile(races) + raRecord({.race = 12}).bytes().substr(0, 600));
    writeFile(history,
              readFile(history) + seRecord({.date = daysBeforeNum(kRaceDate, 1)}, 1, horse).bytes().substr(0, 300));

    load();
    EXPECT_EQ(day->RaceCount, 2);
    EXPECT_EQ(day->RaceTbl[1].RunDate[0][1], daysBefore(kRaceDate, 28));
    EXPECT_EQ(day->RaceTbl[1].RunDate[0][3], daysBefore(kRaceDate, 84));
    EXPECT_TRUE(day->RaceTbl[1].RunDate[0][4].empty());
}

// A runner file and a history grown to 3 GB (sparse, as a damaged disk
// makes them) cost no more than sound ones: the runner file's slots stand
// at its start, the newest runs at the history's end.
TEST_F(DayLoadTest, OversizedFilesAreReadOnlyAsFarAsTheyCanHold) {
    const char* horse = "2019100001";
    file({raRecord(kRace11, 1), seRecord(kRace11, 1, horse)});
    for (int n = 1; n <= 2; ++n) pastRun({.date = daysBeforeNum(kRaceDate, 28 * n)}, horse, 1);
    const fs::path runners = paths.runnerFile(kDay, "東京"), history = paths.horseRunFile(sjisBytes(horse));
    fs::resize_file(runners, 3ull << 30);
    fs::resize_file(history, (3ull << 30) / kSeLength * kSeLength);  // whole records of zeros
    SjisString newest = seRecord({.date = daysBeforeNum(kRaceDate, 7)}, 1, horse);
    std::ofstream(history, std::ios::binary | std::ios::app) << newest.replace(2, 9, "000000000").bytes();

    load();
    EXPECT_EQ(day->RaceCount, 1);
    EXPECT_EQ(text(get(day->JvSeTbl[0][0].view(), se::KettoNum)), horse);
    EXPECT_EQ(day->RaceTbl[0].RunDate[0][1], daysBefore(kRaceDate, 7));
    EXPECT_TRUE(day->RaceTbl[0].RunDate[0][2].empty()) << "runs beyond the bound are damage";
    EXPECT_LT(largestRead, 1u << 20) << "no read is unbounded";
}

TEST_F(DayLoadTest, HeadCountAndRaceNumberBeyondTheTablesAreKeptInside) {
    std::vector<SjisString> runners;
    for (int h = 1; h <= 18; ++h) runners.push_back(seRecord(kRace1, h, "2020100001"));
    file(runners);
    // The filing never stores such races; a store written by other means may hold them.
    writeFile(paths.dayFile(kDay, ".jvRA"), (raRecord(kRace1, 19) + raRecord({.race = 13}, 10)).bytes());

    const DayLoadResult result = load();
    const TRaceRec& wide = day->RaceTbl[0];
    EXPECT_EQ(wide.TorokuTosu, "18"_sjis);
    EXPECT_EQ(wide.Umaban[17], "18"_sjis);
    const TRaceRec& thirteenth = day->RaceTbl[1];
    EXPECT_EQ(thirteenth.RacePresent, 1);
    EXPECT_TRUE(trimBlanks(thirteenth.Umaban[0]).empty());
    EXPECT_EQ(cp932ToUtf8(result.raceItems[1]), "東京 2回12日13R");
}

TEST_F(DayLoadTest, EachStoreFileIsReadOnce) {
    const RaceId past1{.date = 20240512}, past2{.date = 20240428, .course = "A4"};
    std::vector<SjisString> records{raRecord(kRace11, 3), raRecord(kRace1, 3)};
    int n = 0;
    for (const RaceId& race : {kRace11, kRace1}) {
        for (int h = 1; h <= 3; ++h) {
            const SjisString id = "20191000" + formatted("%d", 10 + ++n);
            records.push_back(seRecord(race, h, id.c_str()));
            records.push_back(seRecord(past1, n, id.c_str()));
            records.push_back(seRecord(past2, n, id.c_str(), "B"));
        }
    }
    records.push_back(raRecord(past1, 16));
    records.push_back(raRecord(past2, 16, "B"));
    file(records);

    load();
    for (const auto& [path, count] : reads) EXPECT_EQ(count, 1) << path;
    EXPECT_EQ(reads.count(paths.dayFile("2024年05月12日", ".jvRA")), 1u);
    EXPECT_EQ(reads.count(paths.outsideRaceFile("2024", "20240428A4")), 1u);
    EXPECT_EQ(get(earlierRace(1, 2, 0), ra::Hondai), get(raRecord(past1), ra::Hondai));
    EXPECT_EQ(day->RaceTbl[1].RunDate[2][2], "20240428"_sjis);
}

// Runs of different races of the day that name races of one past day file
// (two racecourses, and a race the file lacks) are served from one read.
TEST_F(DayLoadTest, OnePastDayFileServesTheRunsOfEveryRace) {
    const RaceId tokyo{.date = 20240512, .race = 3}, kyoto{.date = 20240512, .course = "08", .race = 3};
    const RaceId missing{.date = 20240512, .race = 9};
    const char* a = "2019100021";
    const char* b = "2019100022";
    file({raRecord(kRace11, 1), seRecord(kRace11, 1, a), raRecord(kRace1, 1), seRecord(kRace1, 1, b)});
    pastRun(tokyo, a, 1, "7", "東京");
    pastRun(tokyo, b, 2, "7", "東京");
    pastRun(kyoto, b, 3, "7", "京都");
    file({seRecord(missing, 4, a)});

    load();
    EXPECT_EQ(reads[paths.dayFile("2024年05月12日", ".jvRA")], 1);
    // Race 1 (runner b) is slot 0, race 11 (runner a) slot 1; runs of one
    // date come in either order, so each is found by its race number.
    const auto raceOf = [&](int r, const char* course, const char* number) {
        for (int e = 0; e < 2; ++e) {
            const SjisView race = earlierRace(r, 0, e);
            if (get(race, ra::RaceNum) == sjisBytes(number) &&
                get(day->earlierRuns().run(r, 0, e).view(), se::JyoCD) == sjisBytes(course))
                return race;
        }
        return SjisView();
    };
    EXPECT_EQ(text(get(raceOf(1, "05", "03"), ra::Hondai)), "東京");
    EXPECT_EQ(get(raceOf(1, "05", "09"), ra::JyoCD), "05"_sjis) << "a race the file lacks keeps its key";
    EXPECT_TRUE(trimBlanks(get(raceOf(1, "05", "09"), ra::Hondai)).empty());
    EXPECT_EQ(text(get(raceOf(0, "08", "03"), ra::Hondai)), "京都");
    EXPECT_EQ(raceOf(0, "05", "03").data(), raceOf(1, "05", "03").data()) << "one pooled image per race";
}

TEST_F(DayLoadTest, HorseMasterConvertedFromTheEarlierLayoutWhenMissing) {
    file({raRecord(kRace11, 1), seRecord(kRace11, 1, "2020100001")});
    writeFile(dir / "UMA/2020/2020100001.jvUMA",
              umaBuilder("2020100001").text(uma::HansyokuName, "Sire", 1).take().bytes());

    load();
    const fs::path um2 = dir / "UM2/2020/2020100001.jvUM2";
    EXPECT_EQ(fs::file_size(um2), kUmLength);
    EXPECT_EQ(trimRightBlanks(day->RaceTbl[0].Ketto1Name[0]), "Sire"_sjis);
}

TEST_F(DayLoadTest, PredictedOddsOfBothOddsServices) {
    file({raRecord(kRace11, 3), raRecord(kRace1, 3)});
    auto odds = [](const char* course, const char* race, char source, std::initializer_list<const char*> win) {
        RecordBuilder b(kYozLayout);
        b.text(yoz::Date, "20240526").text(yoz::CourseCode, sjisBytes(course)).text(yoz::RaceNum, sjisBytes(race));
        b.text(yoz::Source, sjisBytes(std::string_view(&source, 1)));
        int j = 0;
        for (const char* o : win) b.text(yoz::WinOdds, sjisBytes(o), ++j);
        return b.take();
    };
    writeFile(paths.dayFile(kDay, ".yoz"), (odds("09", "01", 'K', {"   1.0"}) +  // 函館 for KOL: no race
                                            odds("05", "11", 'J', {"   3.5", "   1.2", "   3.5"}) +
                                            odds("04", "01", 'K', {"  50.0", "      ", "1000.0"}))
                                               .bytes());
    load();
    const TRaceRec& r1 = day->RaceTbl[0];
    const TRaceRec& r11 = day->RaceTbl[1];
    EXPECT_EQ(r11.YozLoaded, 1);
    EXPECT_EQ(r11.YozRank, (PerRunner<i32>{2, 1, 3}));
    EXPECT_EQ(r1.YozLoaded, 1);
    EXPECT_DOUBLE_EQ(r1.YozOdds[0], 50.0);
    EXPECT_EQ(r1.YozRank, (PerRunner<i32>{1, 0, 2}));
}
