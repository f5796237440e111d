// What the export writes for hand-made records of known values, column by
// column, with the SQL type of each value.

#include <gtest/gtest.h>

#include "export_store.h"

namespace vantor::test {
namespace {

using namespace jvdata;

const RaceId kDerby{.date = 20240526, .course = "05", .meeting = 2, .day = 12, .race = 11};
const RaceId kEarlierRun{.date = 20240428, .course = "08", .meeting = 1, .day = 4, .race = 5};

std::string derbyRace() {
    return raBuilder(kDerby, 18, "2")
        .text(ra::Hondai, utf8ToCp932("東京優駿"))
        .number(ra::Kyori, 2400)
        .text(ra::TrackCD, "11")
        .text(ra::TenkoCD, "1")
        .text(ra::SibaBabaCD, "2")
        .text(ra::GradeCD, "A")
        .text(ra::JyokenCD, "999", 5)
        .number(ra::LapTime, 123, 1)
        .number(ra::Honsyokin, 30000000, 1)
        .text(ra::HassoTime, "1540")
        .take();
}

// Horse 3 of the derby as the day file holds it (data kind 2); the horse's
// run file holds the same run with data kind 7 and other odds.
std::string derbyRunner(const char* dataKind, int oddsTenths) {
    return seBuilder(kDerby, 3, "2021100001", dataKind)
        .number(se::Wakuban, 2)
        .text(se::Bamei, utf8ToCp932("テストホース　"))  // a full-width blank before the padding
        .text(se::SexCD, "1")
        .text(se::KeiroCD, "03")
        .number(se::Barei, 3)
        .number(se::Futan, 570)
        .number(se::BaTaijyu, 480)
        .text(se::ZogenFugo, "+")
        .number(se::ZogenSa, 4)
        .number(se::KakuteiJyuni, 2)
        .number(se::Time, 2245)
        .number(se::Jyuni, 12, 4)
        .number(se::Odds, oddsTenths)
        .number(se::HaronTimeL3, 345)
        .text(se::TimeDiff, "-005")
        .text(se::DMTime, "22456")
        .take();
}

std::string oddsRecord() {
    std::string rec = "2024052605021211J18";
    for (const char* odds : {"  12.3", "   3.4", "   3.4"}) rec += odds;
    rec.resize(yoz::kLength - 2, ' ');
    return rec + "\r\n";
}

class ExportValues : public ::testing::Test {
protected:
    void SetUp() override {
        store.dayRaces(kDerby.date, derbyRace());
        store.dayRunners(kDerby.date, "東京", {derbyRunner("2", 123)});
        store.horseRuns("2021100001", seBuilder(kEarlierRun, 7, "2021100001").take() + derbyRunner("7", 999));
        store.outsideRaces("2024050544", raBuilder({.date = 20240505, .course = "44", .race = 3}, 12, "A").take());
        store.dayPayouts(kDerby.date, hrBuilder(kDerby)
                                          .number(hr::TanUmaban, 3, 1).number(hr::TanPay, 350, 1).number(hr::TanNinki, 1, 1)
                                          .number(hr::FukuUmaban, 3, 1).number(hr::FukuPay, 150, 1).number(hr::FukuNinki, 1, 1)
                                          .number(hr::FukuUmaban, 5, 2).number(hr::FukuPay, 210, 2).number(hr::FukuNinki, 3, 2)
                                          .text(hr::WakurenKumi, "24", 1).number(hr::WakurenPay, 800, 1)
                                          .text(hr::WideKumi, "0305", 1)  // a combination without payout
                                          .number(hr::WidePay, 500, 2)      // a payout without combination
                                          .text(hr::SanrentanKumi, "030512", 1).number(hr::SanrentanPay, 45670, 1)
                                          .number(hr::SanrentanNinki, 120, 1)
                                          .take());
        store.dayOdds(kDerby.date, oddsRecord());
        store.horse("2021100001", jvdata::RecordBuilder(kUmLayout)
                                      .text(um::DataKubun, "1")
                                      .text(um::KettoNum, "2021100001")
                                      .number(um::BirthDate, 20210315)
                                      .text(um::DelDate, "00000000")
                                      .text(um::Bamei, utf8ToCp932("テストホース"))
                                      .text(um::SexCD, "2")
                                      .text(um::HansyokuName, utf8ToCp932("テストサイアー"), 1)
                                      .number(um::RuikeiHonsyoHeiti, 123456)
                                      .number(um::ChakuSogo, 3, 1)
                                      .take());
        const auto report = store.exportTo(db);
        EXPECT_TRUE(report.damaged.empty());
    }

    ExportStore store;
    std::filesystem::path db = store / "vantor.sqlite";
};

TEST_F(ExportValues, RaceColumnsAreTypedWithTheirCodeTexts) {
    const Row race = queryRow(db,
                              "SELECT race_date, jyocd, jyocd_name, kaiji, nichiji, racenum, datakubun, makedate, "
                              "hondai, fukudai, kyori, trackcd, trackcd_name, tenkocd_name, sibababacd_name, "
                              "dirtbabacd, dirtbabacd_name, gradecd_name, jyokencd_5, jyokencd_5_name, laptime_1, "
                              "laptime_2, honsyokin_1, hassotime, torokutosu FROM races WHERE jyocd = '05'");
    const Row expected{"2024-05-26", "05",   "東京", 2LL,    12LL,  11LL,   "2",      "2024-06-01", "東京優駿",
                       Value(),      2400LL, "11",   "芝左", "晴",  "稍重", Value(),  Value(),      "G1",
                       "999",        "ｵｰﾌﾟﾝ", 12.3,   Value(), 30000000LL, "1540", 18LL};
    EXPECT_EQ(race, expected);
    // The outside race of the SEIR folder is a race too.
    EXPECT_EQ(query(db, "SELECT race_date, jyocd, racenum, datakubun FROM races WHERE jyocd = '44'"),
              (std::vector<Row>{{"2024-05-05", "44", 3LL, "A"}}));
}

TEST_F(ExportValues, RunnerColumnsAreTypedAndTheDayFileCopyWins) {
    const Row runner = queryRow(db,
                                "SELECT umaban, wakuban, kettonum, bamei, sexcd_name, keirocd_name, barei, futan, "
                                "bataijyu, zogenfugo, zogensa, kakuteijyuni, time, jyuni_4, odds, harontimel3, "
                                "timediff, dmtime, kisyuryakusyo, datakubun, store_file FROM runners WHERE "
                                "race_date = '2024-05-26'");
    const Row expected{3LL,   2LL,  "2021100001", "テストホース", "牡",    "鹿毛",   3LL,
                       57.0,  480LL, "+",         4LL,            2LL,     144.5,    12LL,
                       12.3,  34.5,  -0.5,        144.56,         Value(), "2",      "Data/2024年05月26日東京.jvSEr"};
    EXPECT_EQ(runner, expected);
    // One row per race and horse number: the earlier run comes from the horse's run file.
    EXPECT_EQ(query(db, "SELECT race_date, jyocd, racenum, umaban, store_file FROM runners ORDER BY race_date"),
              (std::vector<Row>{{"2024-04-28", "08", 5LL, 7LL, "SEI/2021/2021100001.jvSEI"},
                                {"2024-05-26", "05", 11LL, 3LL, "Data/2024年05月26日東京.jvSEr"}}));
}

TEST_F(ExportValues, PayoutsHaveOneRowPerPaidCombination) {
    EXPECT_EQ(query(db, "SELECT bet, slot, combination, pay, ninki FROM payouts ORDER BY bet, slot"),
              (std::vector<Row>{{"fuku", 1LL, "3", 150LL, 1LL},
                                {"fuku", 2LL, "5", 210LL, 3LL},
                                {"sanrentan", 1LL, "3-5-12", 45670LL, 120LL},
                                {"tan", 1LL, "3", 350LL, 1LL},
                                {"wakuren", 1LL, "2-4", 800LL, Value()}}));
    EXPECT_EQ(queryRow(db, "SELECT DISTINCT race_date, jyocd_name, kaiji, nichiji, racenum FROM payouts"),
              (Row{"2024-05-26", "東京", 2LL, 12LL, 11LL}));
}

TEST_F(ExportValues, HorsesAndPredictedOdds) {
    EXPECT_EQ(queryRow(db, "SELECT kettonum, birthdate, deldate, bamei, sexcd_name, hansyokuname_1, "
                           "hansyokuname_2, ruikeihonsyoheiti, chakusogo_1 FROM horses"),
              (Row{"2021100001", "2021-03-15", Value(), "テストホース", "牝", "テストサイアー", Value(), 123456LL, 3LL}));
    // Equal odds rank by horse number; a horse without odds has no row.
    EXPECT_EQ(query(db, "SELECT race_date, source, course_code, course_name, kaiji, nichiji, racenum, umaban, odds, "
                        "rank FROM predicted_odds ORDER BY umaban"),
              (std::vector<Row>{{"2024-05-26", "J", "05", "東京", 2LL, 12LL, 11LL, 1LL, 12.3, 3LL},
                                {"2024-05-26", "J", "05", "東京", 2LL, 12LL, 11LL, 2LL, 3.4, 1LL},
                                {"2024-05-26", "J", "05", "東京", 2LL, 12LL, 11LL, 3LL, 3.4, 2LL}}));
}

TEST_F(ExportValues, TheDatabaseSaysItIsAVantorExport) {
    EXPECT_EQ(queryRow(db, "PRAGMA application_id"), (Row{0x56414E54LL}));
    EXPECT_EQ(queryRow(db, "PRAGMA user_version"), (Row{1LL}));
}

}  // namespace
}  // namespace vantor::test
