// vantor-cli and what a user names: paths are taken from the folder the
// command starts in, only the folders asked for are made, and a feed or a
// fault plan that cannot be used stops the command with a message.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/broken_wine.h"
#include "support/demo_weekend.h"
#include "support/records.h"
#include "support/run_command.h"
#include "support/temp_dir.h"
#include "text/encoding.h"

using namespace vantor::test;
namespace fs = std::filesystem;

namespace {

// The command run in folder, with its standard error as its output.
CommandOutput runIn(const fs::path& folder, const std::string& command) {
    return runCommand("cd " + shellWord(folder.string()) + " && (exec 2>&1; " + command + ")");
}

std::string cli() { return shellWord(VANTOR_CLI); }

TEST(CliPaths, FilesAreWrittenWhereTheCommandStartsAndOnlyTheLastFolderIsMade) {
    const DemoWeekend weekend(VANTOR_FEEDGEN, VANTOR_CLI);
    ASSERT_EQ(weekend.error(), "");
    const TempDir here;
    const std::string day = " --day " + shellWord(weekend.days().front());

    EXPECT_EQ(runIn(here.path(), weekend.cli() + " snapshot" + day + " --out shots").status, 0);
    EXPECT_TRUE(fs::exists(here / "shots" / "01-TabSheet4.png"));
    EXPECT_FALSE(fs::exists(weekend.appDir() / "shots"));

    EXPECT_EQ(runIn(here.path(), weekend.cli() + " print" + day + " --number --pdf cards.pdf --png pages").status, 0);
    EXPECT_TRUE(fs::exists(here / "cards.pdf"));
    EXPECT_TRUE(fs::exists(here / "pages" / "page-01.png"));

    EXPECT_EQ(runIn(here.path(), weekend.cli() + " print" + day + " --number --pdf c.pdf --png a/b/c").status, 1);
    EXPECT_FALSE(fs::exists(here / "a"));
}

TEST(CliPaths, ReadersMakeNoProgramFolderAndAnEmptyOneIsABadArgument) {
    const TempDir here;
    const CommandOutput missing = runIn(here.path(), cli() + " --app-dir nowhere days");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.text.find("nowhere does not exist"), std::string::npos) << missing.text;
    EXPECT_FALSE(fs::exists(here / "nowhere"));

    const CommandOutput empty = runIn(here.path(), cli() + " --app-dir '' days");
    EXPECT_EQ(empty.status, 2);
    EXPECT_NE(empty.text.find("--app-dir names no folder"), std::string::npos) << empty.text;
}

TEST(CliPaths, AMissingFeedIsAnErrorAndAFaultPlanThatCannotBeReadStopsTheRun) {
    const TempDir here;
    fs::create_directories(here / "feed" / "setup");
    const std::string acquire = cli() + " --app-dir app acquire --wait --feed ";

    const CommandOutput missing = runIn(here.path(), acquire + "no-such-feed");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.text.find("フィードフォルダ " + (here / "no-such-feed").string()), std::string::npos)
        << missing.text;

    // A feed folder named in the settings is the user's too: neither made
    // nor filled with the demo, and its absence stops the run.
    writeFile(here / "app" / "vantor.ini", "[JVLinkFeed]\r\nFolder=gone\r\n");
    const CommandOutput gone = runIn(here.path(), cli() + " --app-dir app acquire --wait");
    EXPECT_EQ(gone.status, 1);
    EXPECT_NE(gone.text.find((here / "app" / "gone").string()), std::string::npos) << gone.text;
    EXPECT_FALSE(fs::exists(here / "app" / "gone"));
    EXPECT_FALSE(fs::exists(here / "app" / "jvfeed"));

    // Relative to where the command starts, not to the program folder.
    EXPECT_EQ(runIn(here.path(), acquire + "feed").status, 0);

    for (const char* bad : {"JVRead@abc=-502", "JVRaed@1=-502", "JVRead@1=-502x"}) {
        const CommandOutput refused =
            runIn(here.path(), "VANTOR_JVLINK_FAULTS=" + shellWord(bad) + " " + acquire + "feed");
        EXPECT_EQ(refused.status, 2) << bad;
        EXPECT_NE(refused.text.find(bad), std::string::npos) << refused.text;
    }
}

// The settings as "JV-Link設定" keeps them (UTF-8) and as the Windows
// program wrote them (CP932): a program folder and a feed folder named in
// other scripts than ASCII and with blanks are used as they are.
TEST(CliPaths, FoldersNamedInAnyScriptAreFoundFromTheSettings) {
    const TempDir here;
    const fs::path app = here / "josé ü 한 日本 app";
    const fs::path feed = here / "feed é ü 한 日本";
    const fs::path windowsFeed = here / "日本 feed";
    writeTwoRaceNormalFeed(feed);
    writeTwoRaceNormalFeed(windowsFeed);
    const std::string acquire =
        cli() + " --app-dir " + shellWord(app.string()) + " acquire --normal --from '2024/01/01 00:00:00'";

    writeFile(app / "vantor.ini", "[JVLinkFeed]\r\nFolder=" + feed.string() + "\r\nPace=0\r\n");
    const CommandOutput chosen = runIn(here.path(), acquire);
    EXPECT_EQ(chosen.status, 0) << chosen.text;
    EXPECT_TRUE(fs::exists(feed / "cache")) << "the feed named was not the one read";

    const vantor::SjisString windowsIni =
        vantor::SjisView("[JVLinkFeed]\r\nFolder=") + vantor::utf8ToCp932(windowsFeed.string()) + "\r\n";
    writeFile(app / "vantor.ini", windowsIni.bytes());
    const CommandOutput windows = runIn(here.path(), acquire);
    EXPECT_EQ(windows.status, 0) << windows.text;
    EXPECT_TRUE(fs::exists(windowsFeed / "cache"));
}

}  // namespace

TEST(CliPaths, AWineCommandNamedFromHereThatCannotStartWineIsSaidWithWhatToDo) {
    const TempDir here;
    writeBrokenWines(here / "wines");
    fs::create_directories(here / "prefix" / "drive_c");
    writeFile(here / "vantor-jvbridge.exe", "a Windows program");
    const std::string acquire = cli() + " --app-dir app acquire --wine-prefix prefix --bridge vantor-jvbridge.exe";

    const CommandOutput cannotRun = runIn(here.path(), acquire + " --wine-command wines/wine-126");
    EXPECT_EQ(cannotRun.status, 1);
    EXPECT_NE(cannotRun.text.find("32 ビットの部分が動きません"), std::string::npos) << cannotRun.text;
    const CommandOutput notFound = runIn(here.path(), acquire + " --wine-command wines/wine-127");
    EXPECT_EQ(notFound.status, 1);
    EXPECT_NE(notFound.text.find("Wine をインストールするか"), std::string::npos) << notFound.text;

    fs::create_directories(here / "feed");
    const CommandOutput noWine = runIn(here.path(), cli() + " --app-dir app acquire --feed feed --wine-command wine64");
    EXPECT_EQ(noWine.status, 2);
    EXPECT_NE(noWine.text.find("--wine-command goes with"), std::string::npos) << noWine.text;
}
