// The live tables of an export: hand-made live records at the edges of
// their markers, read with the live layouts into typed columns and states,
// lines that are no usable record left out and counted, and an update after
// a live file changed.

#include <gtest/gtest.h>

#include "export/export_messages.h"
#include "export/field_values.h"
#include "hand_made_live_day.h"
#include "schema_upgrade.h"

namespace vantor::test {
namespace {

using Rows = std::vector<Row>;

class LiveExport : public ::testing::Test {
protected:
    void SetUp() override { fillHandMadeLiveDay(store); }
    void put(const std::string& name, SjisView bytes) { putLiveFile(store, name, bytes); }

    ExportStore store;
    std::filesystem::path db = store / "vantor.sqlite";
};

TEST_F(LiveExport, MarkersAreStatesBesideNullNumbersAndEmptyEntriesGiveNoRows) {
    const auto report = store.exportTo(db);
    EXPECT_EQ(report.filesRead, 5);
    EXPECT_EQ(query(db,
                    "SELECT umaban, bataijyu, bataijyu_state, zogensa, zogensa_state FROM live_weights "
                    "WHERE umaban <= 6 ORDER BY umaban"),
              (Rows{{1LL, 480LL, {}, 4LL, {}},
                    {2LL, {}, "not_weighed", {}, "not_weighed"},
                    {3LL, {}, "scratched", {}, "blank"},
                    {4LL, 462LL, {}, -6LL, {}},
                    {5LL, 500LL, {}, 0LL, {}},
                    {6LL, {}, "garbled", 2LL, {}}}));
    EXPECT_EQ(count(db, "live_weights"), 16);  // the two empty slots left out
    EXPECT_EQ(queryRow(db,
                       "SELECT race_date, jyocd, jyocd_name, kaiji, nichiji, racenum, happyotime, line "
                       "FROM live_weights WHERE umaban = 1"),
              (Row{"2024-05-26", "05", "東京", 2LL, 12LL, 11LL, "2024-05-26 14:30", 1LL}));

    EXPECT_EQ(query(db, "SELECT umaban, odds, odds_state, ninki, ninki_state FROM live_win_odds ORDER BY umaban"),
              (Rows{{1LL, 29.7, {}, 1LL, {}},
                    {2LL, {}, "cancelled_before_sale", {}, "cancelled_before_sale"},
                    {3LL, {}, "cancelled_after_sale", {}, "cancelled_after_sale"},
                    {4LL, {}, "no_votes", {}, "no_votes"},
                    {5LL, {}, "blank", {}, "blank"}}));
    EXPECT_EQ(queryRow(db, "SELECT datakubun, snapshot, happyotime FROM live_win_odds WHERE umaban = 1"),
              (Row{"1", "interim", "2024-05-26 14:50"}));
    EXPECT_EQ(query(db, "SELECT umaban, odds_low, odds_high, ninki FROM live_place_odds"),
              (Rows{{1LL, 1.2, 1.8, 1LL}}));
    EXPECT_EQ(query(db, "SELECT kumi, odds, ninki FROM live_bracket_odds"), (Rows{{"1-2", 12.3, 1LL}}));
    EXPECT_EQ(query(db, "SELECT kumi, odds, odds_state, ninki_state FROM live_quinella_odds ORDER BY kumi"),
              (Rows{{"1-2", 12.3, {}, {}}, {"3-18", {}, "cancelled_before_sale", "cancelled_before_sale"}}));
    EXPECT_EQ(query(db, "SELECT happyotime, odds FROM live_win_odds_series WHERE umaban = 1 ORDER BY happyotime"),
              (Rows{{"2024-05-26 14:40", 31.0}, {"2024-05-26 14:50", 29.7}}));
    EXPECT_EQ(count(db, "live_win_odds_series"), 10);  // win odds only, no place or bracket rows
}

TEST_F(LiveExport, DayChangesAreOneRowPerRecordWithTheirTextsAndBadLinesAreCounted) {
    const auto report = store.exportTo(db);
    EXPECT_EQ(query(db,
                    "SELECT happyotime, henkoid, sibababacd, sibababacd_name, tenkocd_name FROM live_weather "
                    "ORDER BY line"),
              (Rows{{{}, "1", "1", "良", "晴"}, {"2024-05-26 12:10", "3", "2", "稍重", "晴"}}));
    EXPECT_EQ(query(db,
                    "SELECT umaban, datakubun, datakubun_name, jiyukubun, jiyukubun_name FROM live_scratches "
                    "ORDER BY umaban"),
              (Rows{{6LL, "1", "出走取消", "001", "疾病"}, {7LL, "2", "競走除外", "002", "事故"}}));
    EXPECT_EQ(query(db,
                    "SELECT happyotime, futan, kisyucode, kisyuname, futanbefore, kisyucodebefore "
                    "FROM live_jockey_changes ORDER BY happyotime"),
              (Rows{{"2024-05-26 09:30", 57.0, "00000", "未定", 56.0, "01111"},
                    {"2024-05-26 10:20", 57.0, "01234", "テスト騎手", 56.0, "01111"}}));
    EXPECT_EQ(query(db, "SELECT hassotime, hassotimebefore FROM live_post_time_changes"), (Rows{{"1550", "1540"}}));
    EXPECT_EQ(query(db, "SELECT kyori, trackcd_name, kyoribefore, trackcdbefore_name, jiyucd FROM live_course_changes"),
              (Rows{{1400LL, "ﾀﾞ左", 1600LL, "芝左", "1"}}));

    std::vector<std::string> skipped;
    for (const auto& skip : report.liveSkips.entries()) skipped.push_back(liveSkipText(skip));
    EXPECT_EQ(skipped.size(), 2u);
    const auto lines = sqlexport::reportLines(report);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "live records left out:"), lines.end());
}

TEST_F(LiveExport, AChangedLiveFileAloneIsReadAgainAndTheUpdateEqualsANewExport) {
    store.exportTo(db);
    const std::string before = dump(db);
    EXPECT_EQ(store.exportTo(db).filesRead, 0);
    EXPECT_EQ(dump(db), before);

    // A later day-changes answer no longer holds the scratch of horse 6.
    put("changes.jvd", live_day::dayChanges(false));
    const auto report = store.exportTo(db);
    EXPECT_EQ(report.filesRead, 1);
    EXPECT_EQ(query(db, "SELECT umaban FROM live_scratches"), (Rows{{7LL}}));
    const auto fresh = store / "fresh.sqlite";
    store.exportTo(fresh);
    EXPECT_EQ(dump(db), dump(fresh));

    // A race day's folder gone takes its rows along.
    std::filesystem::remove_all(store.paths().liveDayDir("20240526"));
    EXPECT_EQ(store.exportTo(db).filesRemoved, 5);
    EXPECT_EQ(count(db, "live_win_odds"), 0);
    EXPECT_EQ(count(db, "live_weather"), 0);
}

TEST_F(LiveExport, ARacesSeriesFileOfTheEarlierLayoutCountsUntilTheDaysSeriesIsThere) {
    const std::filesystem::path folder = store.paths().liveDayDir("20240526");
    std::filesystem::rename(folder / "series.jvd", folder / "0511_series.jvd");
    store.exportTo(db);
    EXPECT_EQ(query(db, "SELECT DISTINCT store_file FROM live_win_odds_series"),
              (Rows{{"Live/20240526/0511_series.jvd"}}));
    EXPECT_EQ(count(db, "live_win_odds_series"), 10);

    // A race's file left beside the day's (a writer killed before it removed it) counts no more.
    std::filesystem::copy_file(folder / "0511_series.jvd", folder / "series.jvd");
    store.exportTo(db);
    EXPECT_EQ(query(db, "SELECT DISTINCT store_file FROM live_win_odds_series"), (Rows{{"Live/20240526/series.jvd"}}));
    EXPECT_EQ(count(db, "live_win_odds_series"), 10);
}

TEST_F(LiveExport, AnExportOfSchemaOneGainsTheLiveRowsInPlace) {
    store.exportTo(db);
    makeSchema1(db);
    EXPECT_EQ(store.exportTo(db).filesRead, 5);
    EXPECT_EQ(count(db, "live_weights"), 16);
    const auto fresh = store / "fresh.sqlite";
    store.exportTo(fresh);
    EXPECT_EQ(dump(db), dump(fresh));
}

TEST(AnnounceTimes, TakeTheYearOfTheRaceDayOrTheOneBefore) {
    using sqlexport::announceTimeValue;
    EXPECT_EQ(announceTimeValue("05261450", "20240526"), Value("2024-05-26 14:50"));
    EXPECT_EQ(announceTimeValue("12311650", "20250105"), Value("2024-12-31 16:50"));
    EXPECT_EQ(announceTimeValue("00000000", "20240526"), Value());
    EXPECT_EQ(announceTimeValue("05262460", "20240526"), Value());
    EXPECT_EQ(announceTimeValue("0526 450", "20240526"), Value());
}

}  // namespace
}  // namespace vantor::test
