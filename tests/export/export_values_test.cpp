// What the export writes for hand-made records of known values, column by
// column, with the SQL type of each value.

#include <gtest/gtest.h>

#include "hand_made_store.h"

namespace vantor::test {
namespace {

using namespace jvdata;

class ExportValues : public ::testing::Test {
protected:
    void SetUp() override {
        fillHandMadeStore(store);
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
    const Row expected{"2024-05-26", "05",    "東京", 2LL,     12LL,       11LL,   "2",     "2024-06-01", "東京優駿",
                       Value(),      2400LL,  "11",   "芝左",  "晴",       "稍重", Value(), Value(),      "G1",
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
    const Row expected{3LL,
                       2LL,
                       "2021100001",
                       "テストホース",
                       "牡",
                       "鹿毛",
                       3LL,
                       57.0,
                       480LL,
                       "+",
                       4LL,
                       2LL,
                       144.5,
                       12LL,
                       12.3,
                       34.5,
                       -0.5,
                       144.56,
                       Value(),
                       "2",
                       "Data/2024年05月26日東京.jvSEr"};
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
    EXPECT_EQ(
        queryRow(db,
                 "SELECT kettonum, birthdate, deldate, bamei, sexcd_name, hansyokuname_1, "
                 "hansyokuname_2, ruikeihonsyoheiti, chakusogo_1 FROM horses"),
        (Row{"2021100001", "2021-03-15", Value(), "テストホース", "牝", "テストサイアー", Value(), 123456LL, 3LL}));
    // Equal odds rank by horse number; a horse without odds has no row.
    EXPECT_EQ(query(db,
                    "SELECT race_date, source, course_code, course_name, kaiji, nichiji, racenum, umaban, odds, "
                    "rank FROM predicted_odds ORDER BY umaban"),
              (std::vector<Row>{{"2024-05-26", "J", "05", "東京", 2LL, 12LL, 11LL, 1LL, 12.3, 3LL},
                                {"2024-05-26", "J", "05", "東京", 2LL, 12LL, 11LL, 2LL, 3.4, 1LL},
                                {"2024-05-26", "J", "05", "東京", 2LL, 12LL, 11LL, 3LL, 3.4, 2LL}}));
}

// The odds import writes a JRDB day of the meeting as JRDB counts it, in a
// hexadecimal digit; a line whose race it cannot tell is left out, not the
// whole export refused for it.
TEST_F(ExportValues, PredictedOddsOfATwelfthDayAndOfALineWithoutItsRace) {
    SjisString twelfth = oddsRecord(), damaged = oddsRecord();
    twelfth.replace(12, 2, "0c");
    damaged.replace(10, 2, "x2");
    store.dayOdds(20240526, twelfth + damaged);
    const auto report = store.exportTo(db);
    EXPECT_EQ(report.filesRead, 1);
    EXPECT_EQ(query(db, "SELECT kaiji, nichiji, racenum, count(*) FROM predicted_odds GROUP BY 1, 2, 3"),
              (std::vector<Row>{{2LL, 12LL, 11LL, 3LL}}));
}

TEST_F(ExportValues, TheDatabaseSaysItIsAVantorExport) {
    EXPECT_EQ(queryRow(db, "PRAGMA application_id"), (Row{0x56414E54LL}));
    EXPECT_EQ(queryRow(db, "PRAGMA user_version"), (Row{2LL}));
}

}  // namespace
}  // namespace vantor::test
