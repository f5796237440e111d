// vantor-cli's writers keep the analysis database up to date: acquire
// builds it as `vantor-cli export` would write it (with the record views'
// indexes), live and odds bring in
// what they filed, and a run with nothing new leaves the file as it was.

#include <gtest/gtest.h>

#include "demo/lzh_writer.h"
#include "export/analysis_db.h"
#include "export_store.h"
#include "support/demo_weekend.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

class AnalysisDbCommands : public ::testing::Test {
protected:
    static void SetUpTestSuite() { demo_ = new DemoWeekend(VANTOR_FEEDGEN, VANTOR_CLI); }
    static void TearDownTestSuite() { delete demo_; }

    void SetUp() override { ASSERT_TRUE(demo_->error().empty()) << demo_->error(); }

    static std::string acquireAgain() {
        const CommandOutput run =
            AnalysisDbCommands::run("acquire --feed " + shellWord((demo_->path() / "feed").string()));
        EXPECT_EQ(run.status, 0) << run.text;
        return run.text;
    }

    static fs::path db() { return sqlexport::analysisDbPath(demo_->appDir()); }
    // The command's standard error.
    static CommandOutput run(const std::string& words, const std::string& env = "") {
        return runCommand("(" + env + demo_->cli() + " " + words + " 2>&1 >/dev/null)");
    }
    static std::string liveOnce(const std::string& hhmm) {
        return run("live --once --day " + shellWord(demo_->days().front()) + " --feed " +
                       shellWord((demo_->path() / "feed").string()),
                   "VANTOR_JVLINK_CLOCK=20240526" + hhmm + "00 ")
            .text;
    }
    // The database as `vantor-cli export` writes the store now, with the
    // record views' indexes the analysis database has beside, as text.
    static std::string exportedDump() {
        const fs::path file = demo_->path() / "export.sqlite";
        fs::remove(file);
        EXPECT_EQ(runCommand(demo_->cli() + " export --sqlite " + shellWord(file.string()) + " 2>/dev/null").status, 0);
        std::string indexes;
        for (const auto& index : sqlexport::analysisDbIndexes())
            indexes += "CREATE INDEX " + index.name + " ON " + index.on + ";";
        EXPECT_EQ(runCommand("sqlite3 " + shellWord(file.string()) + " " + shellWord(indexes)).status, 0);
        return dump(file);
    }

    static DemoWeekend* demo_;
};
DemoWeekend* AnalysisDbCommands::demo_ = nullptr;

TEST_F(AnalysisDbCommands, TheAcquisitionBuildsItAndARunWithNothingNewWritesNothing) {
    ASSERT_TRUE(fs::is_regular_file(db()));
    EXPECT_GT(count(db(), "races"), 0);
    EXPECT_EQ(dump(db()), exportedDump());

    const std::string bytes = readFile(db());
    const auto time = fs::last_write_time(db());
    // From the last acquisition's time on: no newer feed file.
    const std::string again = acquireAgain();
    EXPECT_EQ(again.find("analysis database"), std::string::npos) << again;
    EXPECT_EQ(readFile(db()), bytes);
    EXPECT_EQ(fs::last_write_time(db()), time);
}

TEST_F(AnalysisDbCommands, LiveFetchesAndAnOddsImportAppearAfterTheirRun) {
    const std::string said = liveOnce("1000");
    EXPECT_NE(said.find("analysis database: store files exported: "), std::string::npos) << said;
    EXPECT_GT(count(db(), "live_win_odds"), 0);
    EXPECT_EQ(dump(db()), exportedDump());
    // The same moment again: nothing new is fetched, nothing written.
    const std::string bytes = readFile(db());
    EXPECT_EQ(liveOnce("1000").find("analysis database"), std::string::npos);
    EXPECT_EQ(readFile(db()), bytes);

    // A JRDB odds archive of the day: its odds file is filed as the day's .yoz.
    const long long before = count(db(), "predicted_odds");
    std::string line = "05242c1116 12.5";
    line += std::string(955 - line.size(), ' ') + "\r\n";
    const demo::LzhMember member{"Oz240526.txt", line, {}};
    const fs::path archive = demo_->path() / "OZ240526.lzh";
    writeFile(archive, demo::lzhArchive({&member, 1}, 1, 1716681600));
    const CommandOutput imported = run("odds " + shellWord(archive.string()));
    EXPECT_EQ(imported.status, 0) << imported.text;
    EXPECT_GT(count(db(), "predicted_odds"), before) << imported.text;
    EXPECT_EQ(dump(db()), exportedDump());
}

}  // namespace
}  // namespace vantor::test
