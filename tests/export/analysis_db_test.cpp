// The analysis database of the program folder: built on first use, brought
// up to date in place with what was filed since, not touched when nothing
// is new, and written anew, saying why, when the file in its place is no
// usable export.

#include "export/analysis_db.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "export/export_messages.h"
#include "export/sqlite_sink.h"
#include "export_store.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;
using sqlexport::AnalysisDbUpdate;
using Status = AnalysisDbUpdate::Status;

class AnalysisDb : public ::testing::Test {
protected:
    void SetUp() override { addDay(20240519); }

    void addDay(int date, const char* dataKind = "2") {
        const RaceId id{.date = date, .race = 1};
        store.dayRaces(date, raRecord(id, 2, dataKind));
        store.dayRunners(date, "東京",
                         {seRecord(id, 1, "2021100001", dataKind), seRecord(id, 2, "2021100002", dataKind)});
        store.dayPayouts(date, hrRecord(id));
    }

    AnalysisDbUpdate update() {
        return sqlexport::updateAnalysisDb(store.paths(), {}, [this](int, int) { ++progressCalls; });
    }

    // A new build of the analysis database of the store as it is now, as text.
    std::string freshDump() const {
        const fs::path file = store / "fresh.sqlite";
        fs::remove(file);
        auto sink = std::get<0>(sqlexport::SqliteSink::open(file, false));
        sink->setExtraIndexes(sqlexport::analysisDbIndexes());
        sqlexport::exportStore(store.paths(), *sink, {});
        sink.reset();
        return dump(file);
    }

    // The names of the record views' indexes the file lacks.
    static std::vector<std::string> missingIndexes(const fs::path& file) {
        std::vector<std::string> missing;
        for (const auto& index : sqlexport::analysisDbIndexes())
            if (queryRow(file, "SELECT count(*) FROM sqlite_schema WHERE type = 'index' AND name = '" + index.name +
                                   "'") != Row{1LL})
                missing.push_back(index.name);
        return missing;
    }

    static ino_t inode(const fs::path& file) {
        struct stat st {};
        return ::stat(file.c_str(), &st) == 0 ? st.st_ino : 0;
    }

    ExportStore store;
    const fs::path db = sqlexport::analysisDbPath(store.appDir());
    int progressCalls = 0;
};

TEST_F(AnalysisDb, FirstUseBuildsItAndAnUpdateWithNothingNewWritesNothing) {
    // A first build a killed writer left half done.
    writeFile(store.appDir() / "analysis.sqlite.partial", "half a database");
    const auto built = update();
    EXPECT_EQ(built.status, Status::built);
    EXPECT_EQ(built.report.filesRead, 3);
    EXPECT_EQ(progressCalls, 3);
    EXPECT_EQ(db, store.appDir() / "analysis.sqlite");
    EXPECT_EQ(dump(db), freshDump());
    EXPECT_FALSE(fs::exists(store.appDir() / "analysis.sqlite.partial"));
    EXPECT_EQ(missingIndexes(db), std::vector<std::string>{});

    const std::string bytes = readFile(db);
    const auto time = fs::last_write_time(db);
    progressCalls = 0;
    const auto again = update();
    EXPECT_EQ(again.status, Status::updated);
    EXPECT_EQ(again.report.filesRead, 0);
    EXPECT_EQ(again.report.filesUnchanged, 3);
    EXPECT_EQ(progressCalls, 0);
    EXPECT_EQ(readFile(db), bytes);
    EXPECT_EQ(fs::last_write_time(db), time);
    EXPECT_TRUE(sqlexport::analysisDbLines(again).empty()) << "nothing new, nothing said";
    for (const char* left : {"analysis.sqlite-journal", "analysis.sqlite.partial"})
        EXPECT_FALSE(fs::exists(store.appDir() / left)) << left;
}

TEST_F(AnalysisDb, WhatIsFiledAfterAnUpdateAppearsInTheNextInPlace) {
    update();
    const ino_t first = inode(db);
    addDay(20240526);
    const auto next = update();
    EXPECT_EQ(next.status, Status::updated);
    EXPECT_EQ(next.report.filesRead, 3) << "only the new day's files are read";
    EXPECT_EQ(count(db, "races"), 2);
    EXPECT_EQ(inode(db), first) << "updated in place, not rebuilt";
    EXPECT_EQ(dump(db), freshDump());
    EXPECT_EQ(
        sqlexport::analysisDbLines(next),
        std::vector<std::string>{"analysis database: store files exported: 3, unchanged: 3, gone from the store: 0"});

    // The store changed behind the database's back: the race day's results
    // filed over its card, and a day taken away.
    addDay(20240526, "7");
    fs::remove(store.paths().dayFile(dayName(20240519), ".jvHR"));
    update();
    EXPECT_EQ(query(db, "SELECT DISTINCT datakubun FROM races WHERE race_date = '2024-05-26'"),
              (std::vector<Row>{{"7"}}));
    EXPECT_EQ(count(db, "payouts"), 1);
    EXPECT_EQ(dump(db), freshDump());
}

// A database built before the record views' indexes were part of it gets
// them from its next update, even one with nothing new; a user's own export
// never does.
TEST_F(AnalysisDb, AnUpdateMakesTheRecordIndexesItLacksAndAUsersExportHasNone) {
    update();
    const std::string index = sqlexport::analysisDbIndexes().front().name;
    ASSERT_EQ(runCommand("sqlite3 " + shellWord(db.string()) + " 'DROP INDEX " + index + "'").status, 0);
    ASSERT_EQ(missingIndexes(db), std::vector<std::string>{index});
    const auto again = update();
    EXPECT_EQ(again.status, Status::updated);
    EXPECT_EQ(again.report.filesRead, 0);
    EXPECT_EQ(progressCalls, 3) << "no store file read again";
    EXPECT_EQ(missingIndexes(db), std::vector<std::string>{});
    // Made once: the next update with nothing new writes nothing.
    const auto time = fs::last_write_time(db);
    update();
    EXPECT_EQ(fs::last_write_time(db), time);

    const fs::path mine = store / "mine.sqlite";
    store.exportTo(mine);
    EXPECT_EQ(missingIndexes(mine).size(), sqlexport::analysisDbIndexes().size());
}

// Whatever stands in the database's place, the update ends with a whole
// export of the store there, and says what was wrong.
TEST_F(AnalysisDb, AFileThatIsNoUsableExportIsRebuiltSayingWhy) {
    const fs::path outside = store / "elsewhere.sqlite";
    const auto validExport = [&](const fs::path& file) {
        fs::remove(file);
        store.exportTo(file);
    };
    const auto sql = [](const fs::path& file, const std::string& statements) {
        ASSERT_EQ(runCommand("sqlite3 " + shellWord(file.string()) + " " + shellWord(statements)).status, 0);
    };
    struct Case {
        const char* what;
        std::function<void()> make;
        std::string said;
    };
    const std::vector<Case> cases = {
        // A copy broken off, its last page missing.
        {"cut short",
         [&] {
             validExport(db);
             fs::resize_file(db, fs::file_size(db) - 4096);
         },
         "is not an SQLite database"},
        {"garbage",
         [&] {
             std::string bytes;
             for (int i = 0; i < 8192; ++i) bytes += static_cast<char>((i * 7919) % 251);
             writeFile(db, bytes);
         },
         "is not an SQLite database"},
        {"another program's database", [&] { sql(db, "CREATE TABLE trainers (name TEXT)"); },
         "is not a Vantor export (application id 0x00000000)"},
        {"a newer schema",
         [&] {
             validExport(db);
             sql(db, "PRAGMA user_version = 3");
         },
         "holds Vantor export schema 3, this Vantor writes schema 2"},
        // An update through a link would write wherever it points.
        {"a link",
         [&] {
             validExport(outside);
             fs::create_symlink(outside, db);
         },
         "is a link, not a file of the program folder"},
        // Tables of the same names that are not the export's fail the update
        // in place when something new comes.
        {"a table not the export's",
         [&] {
             update();
             sql(db, "DROP TABLE runners; CREATE TABLE runners (race_date TEXT, store_file TEXT)");
             addDay(20240526);
         },
         ": no such column: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(db);
        c.make();
        const std::string outsideBefore = fs::exists(outside) ? readFile(outside) : "";
        const auto rebuilt = update();
        EXPECT_EQ(rebuilt.status, Status::rebuilt);
        EXPECT_NE(rebuilt.problem.find(c.said), std::string::npos) << rebuilt.problem;
        ASSERT_FALSE(sqlexport::analysisDbLines(rebuilt).empty());
        EXPECT_EQ(sqlexport::analysisDbLines(rebuilt).front(), "the analysis database was rebuilt: " + rebuilt.problem);
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(db)));
        EXPECT_EQ(dump(db), freshDump());
        EXPECT_FALSE(fs::exists(store.appDir() / "analysis.sqlite.partial"));
        if (!outsideBefore.empty()) {
            EXPECT_EQ(readFile(outside), outsideBefore) << "written through the link";
        }
        EXPECT_EQ(update().status, Status::updated) << "a rebuilt database is used as it is";
    }
}

TEST_F(AnalysisDb, AnEmptyFileIsFilledAndAFolderInItsPlaceIsLeftAlone) {
    writeFile(db, "");
    EXPECT_EQ(update().status, Status::updated);
    EXPECT_EQ(dump(db), freshDump());

    fs::remove(db);
    writeFile(db / "notes.txt", "the user's");
    const auto failed = update();
    EXPECT_EQ(failed.status, Status::failed);
    EXPECT_EQ(failed.problem, db.string() + " is not a regular file");
    EXPECT_EQ(sqlexport::analysisDbLines(failed),
              std::vector<std::string>{"the analysis database was not brought up to date: " + failed.problem});
    EXPECT_EQ(readFile(db / "notes.txt"), "the user's");
}

}  // namespace
}  // namespace vantor::test
