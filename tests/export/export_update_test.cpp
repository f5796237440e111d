// Updating an export: nothing changes without a change in the store, an
// update gives what a new export gives, foreign files are refused and
// damaged store files are named.

#include <gtest/gtest.h>

#include "export_store.h"
#include "schema_upgrade.h"

namespace vantor::test {
namespace {

using namespace jvdata;

SjisString runner(const RaceId& id, int horse, const char* horseId, const char* dataKind) {
    return seBuilder(id, horse, horseId, dataKind).text(se::Bamei, utf8ToCp932("テストホース")).take();
}

// Two race days at Tokyo, each with one race, two runners and a payout; the
// runners' run files hold the same runs.
class ExportUpdate : public ::testing::Test {
protected:
    void SetUp() override {
        for (const int date : {20240519, 20240526}) addDay(date);
        writeRunFiles();
    }

    void addDay(int date) {
        const RaceId id{.date = date, .race = 1};
        days.push_back(id);
        store.dayRaces(date, raRecord(id, 2, "2"));
        store.dayRunners(date, "東京", {runner(id, 1, "2021100001", "2"), runner(id, 2, "2021100002", "2")});
        store.dayPayouts(date, hrRecord(id));
    }

    void writeRunFiles() {
        for (const char* horseId : {"2021100001", "2021100002"}) {
            SjisString runs;
            for (const auto& id : days) runs += runner(id, horseId[9] == '1' ? 1 : 2, horseId, "7");
            store.horseRuns(sjisBytes(horseId), runs);
        }
    }

    ExportStore store;
    std::vector<RaceId> days;
    std::filesystem::path db = store / "vantor.sqlite";
};

TEST_F(ExportUpdate, ASecondExportWithoutChangeLeavesTheDatabaseAsItWas) {
    store.exportTo(db);
    const std::string before = dump(db);
    ASSERT_NE(before.find("INSERT INTO runners"), std::string::npos);
    const auto report = store.exportTo(db);
    EXPECT_EQ(report.filesRead, 0);
    EXPECT_EQ(report.filesUnchanged, 8);
    EXPECT_EQ(dump(db), before);
}

TEST_F(ExportUpdate, AnUpdateEqualsANewExportOfTheSameStore) {
    const auto fresh = [&] {
        const auto file = store / "fresh.sqlite";
        std::filesystem::remove(file);
        store.exportTo(file);
        return dump(file);
    };
    store.exportTo(db);
    // A further race day, with the runs in the horses' run files.
    addDay(20240602);
    writeRunFiles();
    EXPECT_EQ(store.exportTo(db).filesRead, 5);
    EXPECT_EQ(dump(db), fresh());
    // A day runner file gone, the run files unchanged: its runners' rows
    // now come from the run files.
    std::filesystem::remove(store.paths().runnerFile(dayName(20240519), "東京"));
    EXPECT_EQ(store.exportTo(db).filesRemoved, 1);
    EXPECT_EQ(dump(db), fresh());
    EXPECT_EQ(query(db, "SELECT datakubun, count(*) FROM runners GROUP BY datakubun"),
              (std::vector<Row>{{"2", 4LL}, {"7", 2LL}}));
}

TEST_F(ExportUpdate, ARangeKeepsItsRaceDaysAndANewRangeRewritesEverything) {
    store.exportTo(db, {.from = "2024-05-20", .to = "2024-05-31"});
    EXPECT_EQ(query(db, "SELECT DISTINCT race_date FROM runners"), (std::vector<Row>{{"2024-05-26"}}));
    EXPECT_EQ(count(db, "payouts"), 1);
    store.exportTo(db);
    const auto fresh = store / "fresh.sqlite";
    store.exportTo(fresh);
    EXPECT_EQ(dump(db), dump(fresh));
}

TEST_F(ExportUpdate, AFileThatIsNoExportOfThisSchemaIsRefusedUnlessReplaced) {
    using sqlexport::SqliteOpenError;
    using sqlexport::SqliteSink;
    const auto text = store / "notes.txt";
    writeFile(text, "not a database, and long enough to be read as a header of one\n");
    const auto other = store / "other.sqlite";
    runCommand("sqlite3 " + shellWord(other.string()) + " 'CREATE TABLE trainers (name TEXT)'");
    const auto older = store / "older.sqlite";
    store.exportTo(older);
    runCommand("sqlite3 " + shellWord(older.string()) + " 'PRAGMA user_version = 7'");

    const std::pair<std::filesystem::path, std::string> refused[] = {
        {text, "is not an SQLite database"},
        {other, "is not a Vantor export (application id 0x00000000)"},
        {older, "holds Vantor export schema 7, this Vantor writes schema 2"}};
    for (const auto& [file, message] : refused) {
        const std::string before = readFile(file);
        auto opened = SqliteSink::open(file, false);
        ASSERT_TRUE(std::holds_alternative<SqliteOpenError>(opened)) << file;
        EXPECT_EQ(std::get<SqliteOpenError>(opened).message, file.string() + " " + message);
        EXPECT_TRUE(std::get<SqliteOpenError>(opened).refusal.has_value());
        EXPECT_EQ(readFile(file), before);

        auto replacing = SqliteSink::open(file, true);
        ASSERT_TRUE(std::holds_alternative<std::unique_ptr<SqliteSink>>(replacing)) << file;
        sqlexport::exportStore(store.paths(), *std::get<0>(replacing), {});
        EXPECT_EQ(count(file, "races"), 2);
        EXPECT_EQ(queryRow(file, "PRAGMA user_version"), (Row{2LL}));
    }
}

TEST_F(ExportUpdate, AnExportOfSchemaOneIsBroughtUpToDateInPlaceWithoutReplace) {
    store.exportTo(db);
    makeSchema1(db);
    // Nothing changed in the store: the export still makes the new tables.
    const auto report = store.exportTo(db);
    EXPECT_EQ(report.filesRead, 0);
    EXPECT_EQ(queryRow(db, "PRAGMA user_version"), (Row{2LL}));
    EXPECT_EQ(count(db, "live_win_odds"), 0);
    EXPECT_EQ(count(db, "marks"), 0);
    const auto fresh = store / "fresh.sqlite";
    store.exportTo(fresh);
    EXPECT_EQ(dump(db), dump(fresh));
    // Once brought up to date, a further export writes nothing.
    const std::string before = readFile(db);
    store.exportTo(db);
    EXPECT_EQ(readFile(db), before);
}

TEST_F(ExportUpdate, ADamagedStoreFileIsNamedAndItsEarlierRowsKept) {
    store.exportTo(db);
    // The later day's race file loses the end of its record, as a full disk leaves it.
    const auto raceFile = store.paths().dayFile(dayName(20240526), ".jvRA");
    const std::string whole = readFile(raceFile);
    writeFile(raceFile, whole.substr(0, whole.size() - 100));
    const auto report = store.exportTo(db);
    EXPECT_EQ(report.damaged, std::vector<std::string>{"Data/2024年05月26日.jvRA"});
    EXPECT_EQ(count(db, "races"), 2);
    // Still named by the next export, and a new export has the rest.
    EXPECT_EQ(store.exportTo(db).damaged.size(), 1u);
    const auto fresh = store / "fresh.sqlite";
    EXPECT_EQ(store.exportTo(fresh).damaged.size(), 1u);
    EXPECT_EQ(count(fresh, "races"), 1);
    EXPECT_EQ(count(fresh, "runners"), 4);
}

}  // namespace
}  // namespace vantor::test
