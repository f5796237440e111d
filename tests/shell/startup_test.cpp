#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "jvlink/jvlink_startup.h"
#include "store/program_folder.h"
#include "support/temp_dir.h"

using namespace vantor;
namespace fs = std::filesystem;

TEST(ProgramFolder, IsCreatedEnteredAndGivenTheStoreFolders) {
    const test::TempDir temp;
    const fs::path folder = temp / "new" / "vantor";
    EXPECT_EQ(enterProgramFolder(folder), std::nullopt);
    EXPECT_EQ(fs::current_path(), folder);
    for (const char* name : {"yLzh", "SEI", "SEIR", "UM2", "DATA"})
        EXPECT_TRUE(fs::is_directory(folder / name)) << name;
}

TEST(ProgramFolder, ASettingsTemporaryOfAKilledWriterIsRemovedAtStart) {
    const test::TempDir temp;
    const pid_t ended = ::fork();
    if (ended == 0) ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const std::string left = ".vantor.ini.tmp-" + std::to_string(ended) + "-1060";
    test::writeFile(temp / left, "[JvDataGet]\r\nLastTime=2024/05/20 06:00:00\r\n");
    test::writeFile(temp / "vantor.ini", "[JvDataGet]\r\n");
    EXPECT_EQ(prepareProgramFolder(temp.path()), std::nullopt);
    EXPECT_FALSE(fs::exists(temp / left));
    EXPECT_TRUE(fs::exists(temp / "vantor.ini"));
}

TEST(ProgramFolder, StoreFoldersAreMadeInOrderUpToTheFirstThatCannotBe) {
    const test::TempDir temp;
    test::writeFile(temp / "SEIR", "a file where a folder belongs");
    const auto error = enterProgramFolder(temp.path());
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("SEIR"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(temp / "yLzh"));
    EXPECT_TRUE(fs::is_directory(temp / "SEI"));
    EXPECT_FALSE(fs::exists(temp / "UM2"));
    EXPECT_FALSE(fs::exists(temp / "DATA"));
}

TEST(ProgramFolder, AFolderThatCannotBeMadeIsReported) {
    const test::TempDir temp;
    test::writeFile(temp / "file", "");
    const auto error = enterProgramFolder(temp / "file" / "below");
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("below"), std::string::npos);
}

TEST(JVLinkVersion, ShortOrOddVersionTextsAreShownWithoutFailing) {
    EXPECT_EQ(displayVersion("0490"), "4.9.0");
    EXPECT_EQ(displayVersion("04"), "4..");
    EXPECT_EQ(displayVersion(""), "..");
    // Byte order: an empty text is older, a longer one with the same start newer.
    EXPECT_TRUE(jvLinkVersionWarning("").has_value());
    EXPECT_FALSE(jvLinkVersionWarning("04900").has_value());
    EXPECT_TRUE(jvLinkVersionWarning("049").has_value());
}
