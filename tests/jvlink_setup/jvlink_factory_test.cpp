#include "jvlink_setup/jvlink_factory.h"

#include <gtest/gtest.h>

#include "settings/app_dir.h"
#include "settings/program_settings.h"
#include "support/temp_dir.h"

using namespace vantor;
namespace fs = std::filesystem;

TEST(JVLinkFactory, ARelativeFeedFolderIsTakenFromTheProgramFolder) {
    const test::TempDir app, elsewhere;
    const fs::path startedIn = fs::current_path();
    fs::current_path(elsewhere.path());
    setAppDir(app.path());
    TIniGT ini = programSettings();
    ASSERT_TRUE(ini.WriteString("JVLinkFeed", "Folder", "feed"));
    // Feed files in both places, so that neither gets a demo season.
    for (const fs::path& base : {app.path(), elsewhere.path()})
        test::writeFile(base / "feed/normal/20240526180000_RESULT.jvd", "RA\r\n");

    auto made = createJVLink(app.path(), ini);
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<FeedJVLink>>(made));
    EXPECT_EQ(std::get<std::unique_ptr<FeedJVLink>>(made)->settings().feedDir, app / "feed");
    setAppDir({});
    fs::current_path(startedIn);
}

TEST(JVLinkFactory, AFeedFolderTheUserNamedIsNeitherMadeNorFilledWithTheDemo) {
    const test::TempDir app;
    setAppDir(app.path());
    TIniGT ini = programSettings();
    for (const char* named : {"gone", "empty"}) {
        if (std::string(named) == "empty") fs::create_directories(app / named);
        ASSERT_TRUE(ini.WriteString("JVLinkFeed", "Folder", sjisBytes(named)));
        int demoFirstDate = -1;
        auto made = createJVLink(app.path(), ini, {}, &demoFirstDate);
        ASSERT_TRUE(std::holds_alternative<std::unique_ptr<FeedJVLink>>(made)) << named;
        EXPECT_EQ(demoFirstDate, 0) << named;
        // The link itself says what is wrong when it is asked to open.
        EXPECT_EQ(std::get<std::unique_ptr<FeedJVLink>>(made)->sourceProblem().empty(), fs::exists(app / named));
    }
    EXPECT_FALSE(fs::exists(app / "gone"));
    EXPECT_TRUE(fs::is_empty(app / "empty"));
    EXPECT_FALSE(fs::exists(app / "jvfeed"));
    setAppDir({});
}

TEST(JVLinkFactory, NoDemoGoesIntoAStoreThatHoldsDataTheLinkSaysTheFeedIsNotSet) {
    const test::TempDir app;
    setAppDir(app.path());
    TIniGT ini = programSettings();  // no feed folder named: the program's own, which holds no feed file
    test::writeFile(app / "Data/2024年05月26日.jvRA", "the user's races");
    int demoFirstDate = -1;
    auto made = createJVLink(app.path(), ini, {}, &demoFirstDate);
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<FeedJVLink>>(made));
    FeedJVLink& link = *std::get<std::unique_ptr<FeedJVLink>>(made);
    EXPECT_EQ(demoFirstDate, 0);
    EXPECT_FALSE(fs::exists(app / "jvfeed"));
    EXPECT_FALSE(fs::exists(app / "yLzh"));
    EXPECT_NE(link.sourceProblem().find("フィードフォルダが設定されていません"), std::string::npos)
        << link.sourceProblem();
    EXPECT_NE(link.sourceProblem().find("Folder="), std::string::npos);
    ASSERT_EQ(link.JVInit("sid"), jv::kOk);
    int reads = 0, downloads = 0;
    std::string last;
    EXPECT_EQ(link.JVOpen("RACEDIFN", "20240101000000", 3, reads, downloads, last), jv::kBadSettings);
    EXPECT_EQ(link.JVRTOpen("0B12", "20240526"), jv::kBadSettings);
    setAppDir({});
}
