// Paths in the settings file: kept as the file system's bytes, whatever
// they hold, and read from a file the Windows program wrote in CP932.

#include "settings/path_setting.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "text/encoding.h"

using namespace vantor;
namespace fs = std::filesystem;

namespace {

class PathSettings : public ::testing::Test {
protected:
    void SetUp() override { ini.setFileName((folder / "vantor.ini").string()); }

    test::TempDir folder;
    TIniGT ini;
    static constexpr PathSetting kFolder{"JVLinkFeed", "Folder"};
};

}  // namespace

TEST_F(PathSettings, Utf8PathsReadBackByteForByte) {
    for (const fs::path& path : {fs::path("/home/josé/Müller 한 日本/jv feed"), fs::path(" blank at both ends "),
                                 fs::path("\tjv\t"), fs::path("\"quoted\""), fs::path("\"half"), fs::path()}) {
        ASSERT_TRUE(writeSetting(ini, kFolder, path)) << path;
        EXPECT_EQ(readSetting(ini, kFolder), path);
    }
    ASSERT_TRUE(writeSetting(ini, kFolder, "/home/josé/日本"));
    EXPECT_NE(test::readFile(folder / "vantor.ini").find("Folder=/home/josé/日本\r\n"), std::string::npos);
}

TEST_F(PathSettings, AWindowsFileIsReadAsCp932AndAbsenceIsNotAnEmptyPath) {
    EXPECT_EQ(readSetting(ini, kFolder), std::nullopt);
    test::writeFile(folder / "vantor.ini",
                    ("[JVLinkFeed]\r\nFolder=" + utf8ToCp932("D:\\競馬\\ｵｯｽﾞ") + "\r\n").bytes());
    EXPECT_EQ(readSetting(ini, kFolder), fs::path("D:\\競馬\\ｵｯｽﾞ"));
    test::writeFile(folder / "vantor.ini", "[JVLinkFeed]\r\nFolder=\r\n");
    EXPECT_EQ(readSetting(ini, kFolder), fs::path());
}

TEST_F(PathSettings, APathTheFileCannotHoldIsNotSaved) {
    ASSERT_TRUE(writeSetting(ini, kFolder, "/kept"));
    EXPECT_FALSE(writeSetting(ini, kFolder, "/two\nlines"));
    EXPECT_EQ(readSetting(ini, kFolder), fs::path("/kept"));
}
