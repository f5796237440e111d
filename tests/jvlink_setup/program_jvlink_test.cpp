// The window's JV-Link choice: kept in the settings file and read back with
// its defaults; "JVLink設定" switches the source at once, keeps what could
// be saved only, and under Wine goes on to JV-Link's own settings.

#include "jvlink_setup/program_jvlink.h"

#include <gtest/gtest.h>

#include "jvlink/feed_jvlink.h"
#include "jvlink_setup/wine_link_settings.h"
#include "settings/app_dir.h"
#include "settings/program_settings.h"
#include "support/normal_open.h"
#include "support/records.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

using namespace vantor;
namespace fs = std::filesystem;

using test::openNormal;

TEST(JVLinkChoiceSettings, AreKeptAndReadBackWithTheirDefaults) {
    const test::TempDir app;
    setAppDir(app.path());
    TIniGT ini = programSettings();
    const ScopedEnv prefix("WINEPREFIX", "/srv/wine/jv");
    JVLinkChoice read = readJVLinkChoice(app.path(), ini);
    EXPECT_EQ(read.source, JVLinkSource::folder);
    EXPECT_EQ(read.feed.feedDir, app / "jvfeed");
    EXPECT_EQ(read.wine.command, "wine");
    EXPECT_EQ(read.wine.prefix, "/srv/wine/jv");
    EXPECT_EQ(read.wine.bridge, defaultBridge());

    JVLinkChoice chosen = read;
    chosen.source = JVLinkSource::wine;
    chosen.feed.feedDir = "/mnt/feed 2";
    chosen.feed.paceMs = 5;
    chosen.wine = {"/opt/wine/bin/wine", "/home/a/jv prefix", "/opt/vantor/vantor-jvbridge.exe"};
    ASSERT_TRUE(saveJVLinkChoice(ini, chosen));
    read = readJVLinkChoice(app.path(), ini);
    EXPECT_EQ(read.source, JVLinkSource::wine);
    EXPECT_EQ(read.feed.feedDir, "/mnt/feed 2");
    EXPECT_EQ(read.feed.paceMs, 5);
    EXPECT_EQ(read.wine.command, "/opt/wine/bin/wine");
    EXPECT_EQ(read.wine.prefix, "/home/a/jv prefix");
    EXPECT_EQ(read.wine.bridge, "/opt/vantor/vantor-jvbridge.exe");
    EXPECT_EQ(wineServerCommand(read.wine.command), "/opt/wine/bin/wineserver");
    setAppDir({});
}

TEST(ProgramJVLink, TheSettingsChooseTheSourceAtOnceAndKeepOnlyWhatWasSaved) {
    const test::TempDir base;
    test::writeTwoRaceNormalFeed(base / "feed");
    JVLinkChoice start;
    start.feed.feedDir = base / "missing";
    JVLinkChoice offered = start;
    bool accept = true, save = false;
    std::vector<JVLinkChoice> saved;
    ProgramJVLink link(
        start, nullptr,
        [&](JVLinkChoice& c) {
            c = offered;
            return accept;
        },
        [&](const JVLinkChoice& c) {
            saved.push_back(c);
            return save;
        });
    ASSERT_EQ(link.JVInit("sid"), jv::kOk);
    EXPECT_EQ(openNormal(link), jv::kBadSettings);

    offered.feed.feedDir = base / "feed";
    EXPECT_EQ(link.JVSetUIProperties(), jv::kSettingsNotSaved);  // not saved: not used
    EXPECT_EQ(link.choice().feed.feedDir, base / "missing");
    accept = false;
    EXPECT_EQ(link.JVSetUIProperties(), jv::kOk);  // cancelled: nothing asked, nothing kept
    EXPECT_EQ(saved.size(), 1u);
    accept = save = true;
    EXPECT_EQ(link.JVSetUIProperties(), jv::kOk);
    EXPECT_EQ(openNormal(link), jv::kOk);  // the new folder at once, initialised
}

TEST(ProgramJVLink, UnderWineTheCheckIsShownAndJVLinksOwnSettingsFollow) {
    const test::TempDir base;
    test::writeTwoRaceNormalFeed(base / "feed");
    fs::create_directories(base / "prefix/drive_c");
    test::writeFile(base / "vantor-jvbridge.exe", "a Windows program");
    const ScopedEnv stubFeed("VANTOR_STUB_FEED", (base / "feed").string());
    JVLinkChoice wine;
    wine.source = JVLinkSource::wine;
    wine.wine = {VANTOR_STREAM_STUB, base / "prefix", base / "vantor-jvbridge.exe"};
    ProgramJVLink link(
        JVLinkChoice{}, std::make_unique<FeedJVLink>(FeedSettings{base / "feed"}),
        [&](JVLinkChoice& c) {
            c = wine;
            return true;
        },
        [](const JVLinkChoice&) { return true; });
    std::vector<bool> notices;
    link.setCheckNotice([&notices](bool checking) { notices.push_back(checking); });
    ASSERT_EQ(link.JVInit("sid"), jv::kOk);
    EXPECT_TRUE(notices.empty());  // the feed folder needs no wait

    EXPECT_EQ(link.JVSetUIProperties(), jv::kOk) << link.sourceProblem();
    EXPECT_EQ(notices, (std::vector<bool>{true, false}));
    EXPECT_EQ(link.choice().source, JVLinkSource::wine);
    EXPECT_EQ(openNormal(link), jv::kOk) << link.sourceProblem();
    EXPECT_TRUE(processesOfPrefix(base / "prefix").empty());

    wine.wine.prefix = base / "no-prefix";
    EXPECT_EQ(link.JVSetUIProperties(), jv::kInternalError);
    EXPECT_NE(link.sourceProblem().find("no-prefix"), std::string::npos);
}

TEST(JVLinkChoiceSettings, SavingWhatWasReadKeepsTheFileByteForByte) {
    // A file the Windows program shares: CP932 text in a section of its own,
    // comments, a pace and a version out of range, and every key the choice
    // keeps. Saving the choice read unchanged writes the same bytes; the
    // values out of range are taken as their checks say.
    const test::TempDir app;
    setAppDir(app.path());
    TIniGT ini = programSettings();
    const std::string file =
        "; \x83\x76\x83\x8D\x83\x4F\x83\x89\x83\x80\r\n"
        "[\x90\xDD\x92\xE8]\r\nname=\x93\xFA\x96\x7B\r\n\r\n"
        "[JVLinkFeed]\r\nSource=wine\r\nFolder=/mnt/jv feed\r\nPace=10000\r\nVersion=49\r\n\r\n"
        "[JVLinkWine]\r\nCommand=/usr/bin/wine\r\nPrefix=\" /home/u/.wine \"\r\nBridge=/opt/b.exe\r\n";
    test::writeFile(ini.filePath(), file);
    JVLinkChoice read = readJVLinkChoice(app.path(), ini);
    EXPECT_EQ(read.feed.paceMs, 10000);
    EXPECT_EQ(read.feed.version, "0490");
    EXPECT_EQ(read.wine.prefix, " /home/u/.wine ");
    ASSERT_TRUE(saveJVLinkChoice(ini, read));
    EXPECT_EQ(test::readFile(ini.filePath()), file);

    test::writeFile(ini.filePath(), "[JVLinkFeed]\r\nPace=99999\r\nVersion=05a0\r\n");
    read = readJVLinkChoice(app.path(), ini);
    EXPECT_EQ(read.feed.paceMs, 10000);
    EXPECT_EQ(read.feed.version, "0490");
    test::writeFile(ini.filePath(), "[JVLinkFeed]\r\nPace=-3\r\nVersion=0500\r\n");
    read = readJVLinkChoice(app.path(), ini);
    EXPECT_EQ(read.feed.paceMs, 0);
    EXPECT_EQ(read.feed.version, "0500");
    setAppDir({});
}
