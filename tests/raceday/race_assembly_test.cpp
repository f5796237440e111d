#include "raceday/race_assembly.h"

#include <gtest/gtest.h>

#include "codes/calendar.h"
#include "raceday/dates.h"
#include "raceday/results_conversion.h"
#include "support/records.h"
#include "text/encoding.h"

using namespace vantor;
using namespace vantor::test;
using namespace vantor::jvdata;

namespace {

int daysBetween(SjisView from, SjisView to) { return vantor::daysBetween(civilDayNumber(from), civilDayNumber(to)); }

constexpr int kRaceDate = 20240526;
const RaceId kRace{.date = kRaceDate};

class AssemblyTest : public ::testing::Test {
protected:
    AssemblyTest() { day->JvRaTbl[0].assign(raRecord(kRace)); }

    // Earlier runs of runner i, each `gaps[n]` days before the one after it.
    void runsWithGaps(int i, std::initializer_list<int> gaps) {
        int date = kRaceDate;
        int e = 0;
        for (int gap : gaps) {
            date = daysBeforeNum(date, gap);
            const RaceId run{.date = date, .course = "06"};
            runs().append(0, i, seRecord(run, 3));
            runs().setRace(0, i, e++, runs().keep(raRecord(run)));
        }
    }
    TRaceRec& race() { return day->RaceTbl[0]; }
    EarlierRuns& runs() { return day->earlierRuns(); }

    std::unique_ptr<RaceDay> day = RaceDay::create();
};

}  // namespace

TEST(CivilDate, DaysAcrossMonthsAndLeapYears) {
    EXPECT_EQ(daysBetween("20240228", "20240301"), 2);
    EXPECT_EQ(daysBetween("20230228", "20230301"), 1);
    EXPECT_EQ(daysBetween("20000228", "20000301"), 2);
    EXPECT_EQ(daysBetween("19000228", "19000301"), 1);
    EXPECT_EQ(daysBetween("20231231", "20240101"), 1);
    EXPECT_EQ(daysBetween("20240526", "20230526"), -366);
    for (const char* none : {"20240500", "20240026", "00000526", "        ", "20241301", "20230229"})
        EXPECT_EQ(daysBetween(sjisBytes(none), "20240526"), 0) << none;
}

TEST_F(AssemblyTest, ReadinessSignsBySexAndRest) {
    struct Case {
        const char* sex;
        std::initializer_list<int> gaps;
        const char* sign;
    };
    const Case cases[] = {
        {"1", {56, 10, 10}, "牡1戦目"}, {"1", {55, 10, 10}, ""},
        {"1", {10, 10, 56}, "牡3戦目"}, {"1", {56, 10, 56}, "牡1戦目"},
        {"1", {10, 56, 10}, ""},        {"2", {10, 56, 10}, "牝2戦目"},
        {"2", {10, 55, 10}, ""},        {"2", {60, 10, 60}, ""},
        {"3", {60, 60, 60}, ""},        {"1", {}, ""},
    };
    day->JvRaTbl[0].assign(raRecord(kRace, std::size(cases)));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        day->JvSeTbl[0][i].assign(
            seBuilder(kRace, static_cast<int>(i) + 1).text(se::SexCD, sjisBytes(cases[i].sex)).take());
        runsWithGaps(static_cast<int>(i), cases[i].gaps);
    }
    assembleRace(*day, 0);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(race().RinsenSign[i], utf8ToCp932(cases[i].sign)) << i;
        int k = 0;
        for (int gap : cases[i].gaps) EXPECT_EQ(race().Kankaku[i][k++], gap) << i;
        EXPECT_EQ(race().Kankaku[i][k], 0) << i;
    }
}

TEST_F(AssemblyTest, RunZeroIsTheRaceItselfAndEarlierRunsComeFromTheirRecords) {
    day->JvRaTbl[0].assign(raBuilder(kRace, 1)
                               .number(ra::Kyori, 1600)
                               .number(ra::TrackCD, 24)
                               .text(ra::SibaBabaCD, "1")
                               .text(ra::DirtBabaCD, "3")
                               .text(ra::JyokenCD, "703", 5)
                               .number(ra::Honsyokin, 15000, 1)
                               .text(ra::HassoTime, "1540")
                               .take());
    const SjisString rival = utf8ToCp932("アイテノウマノナマエデス");
    day->JvSeTbl[0][0].assign(seBuilder(kRace, 1)
                                  .text(se::SexCD, "2")
                                  .text(se::Bamei, utf8ToCp932("ウマノナマエハナガイデス"))
                                  .number(se::Ninki, 3)
                                  .number(se::KakuteiJyuni, 2)
                                  .number(se::Jyuni, 7, 4)
                                  .number(se::Honsyokin, 1000)
                                  .number(se::Fukasyokin, 20)
                                  .text(se::AiteBamei, rival, 1)
                                  .take());
    const RaceId jump{.date = 20240414, .course = "09", .race = 8};
    const RaceId blankTrack{.date = 20240303, .course = "06", .race = 2};
    runs().append(0, 0, seRecord(jump, 4, "2020100001", "7", 5));
    runs().setRace(0, 0, 0, runs().keep(raBuilder(jump).number(ra::TrackCD, 51).text(ra::SibaBabaCD, "1").take()));
    // Run 2 missing from the history: run 3 is still filled.
    runs().append(0, 0, {});
    runs().setRace(0, 0, 1, runs().keep(raRecord({.date = 20240310})));
    runs().append(0, 0, seRecord(blankTrack, 6));
    runs().setRace(0, 0, 2, runs().keep(raBuilder(blankTrack).text(ra::SibaBabaCD, "2").take()));
    for (int e = 20; e < kMaxEarlierRuns; ++e) runs().setRace(0, 0, e, runs().keep(raRecord({.date = 20230101 - e})));

    assembleRace(*day, 0);

    const TRaceRec& r = race();
    EXPECT_EQ(r.RacePresent, 1);
    EXPECT_EQ(r.HonSyokin[1], 1500);
    EXPECT_EQ(r.JokenCd, "703"_sjis) << "the youngest age group's condition";
    EXPECT_EQ(r.Bamei[0], utf8ToCp932("ウマノナマエハナガ"));
    EXPECT_EQ(r.HonSyokinSE[0], 100);
    EXPECT_EQ(r.RunKey[0][0], raceKey(day->JvRaTbl[0].view()).text());
    EXPECT_EQ(r.RunDate[0][0], "20240526"_sjis);
    EXPECT_EQ(r.RunKyori[0][0], 1600);
    EXPECT_EQ(r.RunBabaCd[0][0], "3"_sjis);
    EXPECT_EQ(r.RunChakujun[0][0], 2);
    EXPECT_EQ(r.RunCorner[0][0][4], 7);
    EXPECT_EQ(r.RunSyokin[0][0], 1020);
    EXPECT_EQ(r.RunAiteUma[0][0], rival.view().substr(0, 18));

    EXPECT_EQ(r.RunKey[0][1], raceKey(seRecord(jump, 4)).text());
    EXPECT_EQ(r.RunChakujun[0][1], 5);
    EXPECT_TRUE(r.RunBabaCd[0][1].empty()) << "a jump race has no going";
    EXPECT_EQ(r.RunDate[0][2], "20240310"_sjis);
    EXPECT_TRUE(r.RunKey[0][2].empty());
    EXPECT_EQ(r.RunUmaban[0][3], 6);
    EXPECT_EQ(r.RunBabaCd[0][3], "2"_sjis) << "a blank track code reads as turf";
    EXPECT_EQ(r.RunDate[0][21], "20230081"_sjis);
    EXPECT_TRUE(r.RunKey[0][21].empty()) << "runs 21-25 keep only their dates";
    EXPECT_EQ(r.Kankaku[0][0], daysBetween("20240414", "20240526"));
}

TEST_F(AssemblyTest, HorseMasterFieldsAndFinishCounts) {
    day->JvSeTbl[0][0].assign(seRecord(kRace, 1));
    const SjisString breeder(72, 'b');
    RecordBuilder um(kUmLayout);
    um.text(um::HansyokuName, "Sire", 1).text(um::HansyokuName, "Dam", 2).text(um::HansyokuName, "DamSire", 3);
    um.text(um::BirthDate, "20200401").text(um::BreederName, breeder).text(um::SanchiName, "Hidaka");
    for (int g = 1; g <= 7; ++g) um.number(um::ChakuKaisuBa, g, (g - 1) * 6 + 1);  // wins per track group
    um.number(um::ChakuKaisuBa, 4, 6 * 6 + 6);                                     // jump: unplaced 4 times
    um.number(um::RuikeiSyutokuHeichi, 123456).number(um::RuikeiSyutokuSyogai, 7809);
    day->JvUmTbl[0][0].assign(um.take());
    assembleRace(*day, 0);
    const TRaceRec& r = race();
    EXPECT_EQ(trimRightBlanks(r.Ketto2Name[0]), "Dam"_sjis);
    EXPECT_EQ(r.BirthDate[0], "20200401"_sjis);
    EXPECT_EQ(r.BreederName[0], breeder.view().substr(0, 71));
    EXPECT_EQ(r.ShibaChaku[0][0], 1 + 2 + 3);
    EXPECT_EQ(r.DirtChaku[0][0], 4 + 5 + 6);
    EXPECT_EQ(r.SyogaiChaku[0][0], 7);
    EXPECT_EQ(r.SyogaiChaku[0][5], 4);
    EXPECT_EQ(r.HeichiSyutoku[0], 12345) << "earned prize in thousands of yen";
    EXPECT_EQ(r.SyogaiSyutoku[0], 780);
    EXPECT_EQ(r.UmLoaded[0], 1);

    day->JvUmTbl[0][0].fillBlank();
    assembleRace(*day, 0);
    EXPECT_EQ(r.UmLoaded[0], 0) << "a horse master not found shows no prizes";
}

TEST_F(AssemblyTest, ResultsAndPayouts) {
    day->RaceCount = 1;
    day->JvSeTbl[0][0].assign(
        seBuilder(kRace, 1).number(se::KakuteiJyuni, 1).number(se::Ninki, 2).text(se::Odds, "0123").take());
    day->JvSeTbl[0][1].assign(seBuilder(kRace, 2).text(se::Odds, "0000").take());
    day->JvHrTbl[0].assign(hrBuilder(kRace)
                               .number(hr::TanUmaban, 1, 1)
                               .number(hr::TanPay, 350, 1)
                               .number(hr::TanUmaban, 5, 2)  // dead heat
                               .number(hr::TanPay, 410, 2)
                               .text(hr::WakurenKumi, "36", 1)
                               .text(hr::UmarenKumi, "0512", 1)
                               .number(hr::UmarenNinki, 123, 1)
                               .number(hr::WidePay, 98765, 7)
                               .take());
    SeiBtnClick(*day);
    const TRaceRec& r = race();
    EXPECT_EQ(r.KekkaChakujun[0], 1);
    EXPECT_EQ(r.KekkaNinki[0], 2);
    EXPECT_DOUBLE_EQ(r.KekkaOdds[0], 12.3);
    EXPECT_DOUBLE_EQ(r.KekkaOdds[1], 0);
    EXPECT_EQ(r.TanUmaban[2], 5);
    EXPECT_EQ(r.TanPay[2], 410);
    EXPECT_EQ(r.TanUmaban[3], 0);
    EXPECT_EQ(r.WakurenKumi[1], " 3- 6"_sjis);
    EXPECT_EQ(r.WakurenKumi[2], " 0- 0"_sjis);
    EXPECT_EQ(r.UmarenKumi[1], " 5-12"_sjis);
    EXPECT_EQ(r.UmarenNinki[1], 123);
    EXPECT_EQ(r.WidePay[7], 98765);
    EXPECT_EQ(day->RaceTbl[0].WideKumi[7], " 0- 0"_sjis);
    EXPECT_TRUE(day->RaceTbl[1].WideKumi[7].empty()) << "a slot not in use is left as it is";
}
