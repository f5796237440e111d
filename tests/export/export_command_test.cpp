// vantor-cli export as a user runs it: paths from the folder it was started
// in, its messages and exit statuses.

#include <gtest/gtest.h>

#include "hand_made_store.h"

namespace vantor::test {
namespace {

class ExportCommandLine : public ::testing::Test {
protected:
    void SetUp() override { fillHandMadeStore(store); }

    // The command started in the store's temporary folder, standard error
    // as its output.
    CommandOutput cli(const std::string& arguments) {
        return runCommand("cd " + shellWord(store.path().string()) + " && (exec 2>&1; " + VANTOR_CLI +
                          " --app-dir app export " + arguments + ")");
    }

    ExportStore store;
};

TEST_F(ExportCommandLine, WritesTheFileNamedFromTheStartFolderAndSaysWhatItDid) {
    auto run = cli("--sqlite out.sqlite");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(lines(run.text).back(), "store files exported: 7, unchanged: 0, gone from the store: 0");
    EXPECT_EQ(count(store / "out.sqlite", "runners"), 2);
    EXPECT_EQ(run.text.find("印"), std::string::npos) << "a missing marks file is no news: " << run.text;
    run = cli("--sqlite out.sqlite");
    EXPECT_EQ(lines(run.text).back(), "store files exported: 0, unchanged: 7, gone from the store: 0");
}

TEST_F(ExportCommandLine, RefusesAForeignFileUnlessToldToReplaceIt) {
    writeFile(store / "notes.txt", "the user's notes, which no export may overwrite unasked\n");
    auto run = cli("--sqlite notes.txt");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.text, (store / "notes.txt").string() + " is not an SQLite database; --replace overwrites it\n");
    run = cli("--sqlite notes.txt --replace");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(count(store / "notes.txt", "races"), 2);
}

TEST_F(ExportCommandLine, WhatIsNoRegularFileIsRefusedAndEachFailureSaysOnlyWhatApplies) {
    const bool journalBefore = std::filesystem::exists("/dev/null-journal");
    for (const std::string replace : {"", " --replace"}) {
        const auto run = cli("--sqlite /dev/null" + replace);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.text, "/dev/null is not a regular file\n");
        EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
    }
    EXPECT_EQ(std::filesystem::exists("/dev/null-journal"), journalBefore);

    auto run = cli("--sqlite missing/out.sqlite");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.text, (store / "missing/out.sqlite").string() + " cannot be written: the folder " +
                            (store / "missing").string() + " does not exist\n");
    EXPECT_FALSE(std::filesystem::exists(store / "missing"));

    std::filesystem::create_directory(store / "folder.sqlite");
    run = cli("--sqlite folder.sqlite --replace");
    EXPECT_EQ(run.text, (store / "folder.sqlite").string() + " is not a regular file\n");
}

TEST_F(ExportCommandLine, ProgressIntoAPipeIsWholeLines) {
    const auto run = cli("--sqlite out.sqlite");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.text.find('\r'), std::string::npos) << run.text;
    EXPECT_EQ(lines(run.text).front().rfind("exporting store files ", 0), 0u) << run.text;
}

TEST_F(ExportCommandLine, BadArgumentsAndAnUnreachableServer) {
    EXPECT_EQ(cli("").status, 2);
    EXPECT_EQ(cli("--sqlite a.sqlite --postgres host=/nowhere").status, 2);
    EXPECT_EQ(cli("--sqlite a.sqlite --from 2024-02-30").status, 2);
    EXPECT_EQ(cli("--postgres 'host=/nowhere connect_timeout=2'").status, 1);
    EXPECT_FALSE(std::filesystem::exists(store / "a.sqlite"));
}

}  // namespace
}  // namespace vantor::test
