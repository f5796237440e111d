#include "settings/ini_gt.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <thread>

#include "settings/app_dir.h"
#include "settings/setting.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"
#include "text/formatted.h"

using namespace vantor;

class IniGT : public ::testing::Test {
protected:
    void SetUp() override {
        setAppDir(folder.path());
        ini.setFileName("vantor.ini");
    }
    void TearDown() override { setAppDir({}); }
    void store(std::string_view text) { vantor::test::writeFile(ini.filePath(), text); }

    vantor::test::TempDir folder;
    TIniGT ini;
};

TEST_F(IniGT, QuotesAndCornerBracketsAreRemovedOnRead) {
    store(
        "[Dir]\n"
        "brackets=\xA2"
        "D:\\odds\xA3\n"
        "quoted=\" a \"\n"
        "emptyQuotes=\"\"\n"
        "emptyBrackets=\xA2\xA3\n"
        "empty=\n"
        "oneQuote=\"\n"
        "oneBracket=\xA2\n"
        "unbalanced=\"x\xA3\n"
        "kanjiEnd=\xA2\x88\xA3\n");  // 0x88 0xA3 is one kanji, not a closing bracket
    EXPECT_EQ(ini.ReadString("Dir", "brackets", "x"), "D:\\odds"_sjis);
    EXPECT_EQ(ini.ReadString("Dir", "quoted", "x"), " a "_sjis);
    EXPECT_EQ(ini.ReadString("Dir", "emptyQuotes", "x"), ""_sjis);
    EXPECT_EQ(ini.ReadString("Dir", "emptyBrackets", "x"), ""_sjis);
    EXPECT_EQ(ini.ReadString("Dir", "empty", "x"), ""_sjis);
    EXPECT_EQ(ini.ReadString("Dir", "oneQuote", "x"), "\""_sjis);
    EXPECT_EQ(ini.ReadString("Dir", "oneBracket", "x"), "\xA2"_sjis);
    EXPECT_EQ(ini.ReadString("Dir", "unbalanced", "x"), "\"x\xA3"_sjis);
    EXPECT_EQ(ini.ReadString("Dir", "kanjiEnd", "x"), "\xA2\x88\xA3"_sjis);
    // Absent keys give the default exactly, quotes and blanks included.
    EXPECT_EQ(ini.ReadString("Dir", "absent", " \"d\" "), " \"d\" "_sjis);
    EXPECT_EQ(ini.ReadString("Dir", "absent", ""), ""_sjis);
}

TEST_F(IniGT, IntegersAreWholeDecimalNumbersOrTheDefault) {
    store("[n]\na= -12 \nb=+7\nc=12abc\nd=abc\ne=\nf=99999999999\ng=0x10\nh=-\n");
    EXPECT_EQ(ini.ReadInteger("n", "a", 5), -12);
    EXPECT_EQ(ini.ReadInteger("n", "b", 5), 7);
    for (const char* key : {"c", "d", "e", "f", "g", "h", "absent"})
        EXPECT_EQ(ini.ReadInteger("n", sjisBytes(key), 5), 5) << key;
    EXPECT_TRUE(ini.WriteInteger("n", "a", INT32_MIN));
    EXPECT_EQ(ini.ReadInteger("n", "a", 5), INT32_MIN);
}

TEST_F(IniGT, BooleansAreIntegersWhereAnyNonZeroIsTrue) {
    store("[b]\nzero=0\ntwo=2\nminus=-1\ntext=yes\n");
    EXPECT_FALSE(ini.ReadBool("b", "zero", true));
    EXPECT_TRUE(ini.ReadBool("b", "two", false));
    EXPECT_TRUE(ini.ReadBool("b", "minus", false));
    EXPECT_TRUE(ini.ReadBool("b", "text", true));
    EXPECT_FALSE(ini.ReadBool("b", "text", false));
    EXPECT_TRUE(ini.WriteBool("b", "two", false));
    EXPECT_TRUE(ini.WriteBool("b", "new", true));
    EXPECT_EQ(vantor::test::readFile(ini.filePath()), "[b]\r\nzero=0\r\ntwo=0\r\nminus=-1\r\ntext=yes\r\nnew=1\r\n");
}

TEST_F(IniGT, FirstWriteCreatesTheFileAndEveryWriteIsSeenAtOnce) {
    EXPECT_EQ(ini.ReadInteger("locate", "top", 10), 10);
    EXPECT_FALSE(std::filesystem::exists(ini.filePath()));

    TIniGT other;  // another window's instance
    other.setFileName("vantor.ini");
    EXPECT_TRUE(ini.WriteInteger("locate", "top", 33));
    EXPECT_EQ(other.ReadInteger("locate", "top", 10), 33);
    EXPECT_TRUE(other.WriteString("JvDataGet", "LastTime", "2024/05/26 12:00:00"));
    EXPECT_EQ(ini.ReadString("JvDataGet", "LastTime", ""), "2024/05/26 12:00:00"_sjis);
    EXPECT_EQ(vantor::test::readFile(ini.filePath()),
              "[locate]\r\ntop=33\r\n\r\n[JvDataGet]\r\nLastTime=2024/05/26 12:00:00\r\n");

    // Replaced through a temporary file that never stays behind.
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"vantor.ini"});
}

TEST_F(IniGT, GarbageFilesGiveDefaultsAndKeepTheirBytes) {
    std::string garbage("\0\x01\xFF\x81", 4);
    garbage += std::string(1 << 20, 'x') + "\n" + std::string(1000, '\0');
    store(garbage);
    EXPECT_EQ(ini.ReadInteger("locate", "top", 10), 10);
    EXPECT_FALSE(ini.ReadBool("datalist", "close", false));
    EXPECT_EQ(ini.ReadString("Dir", "yoso", "d"), "d"_sjis);
    EXPECT_TRUE(ini.WriteInteger("locate", "top", 1));
    EXPECT_EQ(ini.ReadInteger("locate", "top", 10), 1);
    EXPECT_EQ(vantor::test::readFile(ini.filePath()).substr(0, garbage.size() / 2),
              garbage.substr(0, garbage.size() / 2));
}

TEST_F(IniGT, WriteFailuresAreReportedAndLoseNothing) {
    // The settings name taken by a folder: unreadable, so never replaced.
    std::filesystem::create_directory(ini.filePath());
    std::filesystem::create_directory(ini.filePath() / "inside");
    EXPECT_FALSE(ini.WriteInteger("locate", "top", 1));
    EXPECT_TRUE(std::filesystem::exists(ini.filePath() / "inside"));
    EXPECT_EQ(ini.ReadInteger("locate", "top", 10), 10);

    // A missing folder is not created.
    ini.setFileName((folder.path() / "missing" / "vantor.ini").string());
    EXPECT_FALSE(ini.WriteBool("datalist", "close", true));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "missing"));
}

TEST_F(IniGT, FileNameResolution) {
    TIniGT fresh;
    EXPECT_EQ(fresh.fileName(), "settings_tests.ini");  // the executable's name
    EXPECT_EQ(fresh.filePath(), folder.path() / "settings_tests.ini");
    fresh.setFileName("a.ini");
    fresh.setFileName("");
    EXPECT_EQ(fresh.fileName(), "settings_tests.ini");

    fresh.setFileName("sub/a.ini");
    EXPECT_EQ(fresh.filePath(), "sub/a.ini");  // a folder part is kept as given
    fresh.setFileName("a.ini");
    fresh.setDefaultDir(TIniGTDefaultDir::ddNone);
    EXPECT_EQ(fresh.filePath(), "a.ini");

    fresh.setDefaultDir(TIniGTDefaultDir::ddWindows);
    {
        const ScopedEnv config("XDG_CONFIG_HOME", folder.path().string());
        EXPECT_EQ(fresh.filePath(), folder.path() / "vantor" / "a.ini");
    }
    const ScopedEnv config("XDG_CONFIG_HOME", "relative");  // ignored: XDG folders must be absolute
    const ScopedEnv home("HOME", "/nonexistent-home");
    EXPECT_EQ(fresh.filePath(), std::filesystem::path("/nonexistent-home/.config/vantor/a.ini"));
}

TEST_F(IniGT, APipeInPlaceOfTheFileIsAFailedWriteThatLeavesIt) {
    ASSERT_EQ(::mkfifo(ini.filePath().c_str(), 0600), 0);
    EXPECT_EQ(ini.ReadString("JvDataGet", "LastTime", "none"), "none"_sjis);
    EXPECT_FALSE(ini.WriteString("JvDataGet", "LastTime", "2024/05/26 12:00:00"));
    EXPECT_TRUE(std::filesystem::is_fifo(ini.filePath()));
}

TEST_F(IniGT, AFileReachedThroughLinksIsReplacedWhereItLives) {
    namespace fs = std::filesystem;
    const fs::path real = folder / "kept" / "real.ini";
    vantor::test::writeFile(real, "[locate]\r\ntop=1\r\n");
    fs::create_symlink("kept/real.ini", folder / "middle.ini");  // relative to the link's folder
    fs::create_symlink(folder / "middle.ini", ini.filePath());
    EXPECT_EQ(ini.ReadInteger("locate", "top", 10), 1);
    EXPECT_TRUE(ini.WriteInteger("locate", "top", 2));
    EXPECT_TRUE(fs::is_symlink(ini.filePath()));
    EXPECT_TRUE(fs::is_symlink(folder / "middle.ini"));
    EXPECT_EQ(vantor::test::readFile(real), "[locate]\r\ntop=2\r\n");

    // A link to a file not made yet makes it there.
    fs::remove(real);
    EXPECT_TRUE(ini.WriteInteger("locate", "top", 3));
    EXPECT_EQ(vantor::test::readFile(real), "[locate]\r\ntop=3\r\n");

    // Links that lead round in a circle are a failed write.
    fs::remove(folder / "middle.ini");
    fs::create_symlink(ini.filePath(), folder / "middle.ini");
    EXPECT_FALSE(ini.WriteInteger("locate", "top", 4));
    EXPECT_TRUE(fs::is_symlink(ini.filePath()));
}

TEST_F(IniGT, WritesOfDifferentKeysAtTheSameTimeAllStay) {
    // Two windows or a window and a command write their own keys at once:
    // each write reads, changes and replaces the whole file, so without
    // one update at a time a key written in between would be lost.
    constexpr int kWrites = 150;
    const auto writer = [](const char* section) {
        TIniGT own;  // each one its own instance, as each window has
        own.setFileName("vantor.ini");
        for (int i = 0; i < kWrites; ++i) EXPECT_TRUE(own.WriteInteger(sjisBytes(section), formatted("k%d", i), i));
    };
    std::thread a(writer, "a"), b(writer, "b");
    a.join();
    b.join();
    int kept = 0;
    for (const char* section : {"a", "b"})
        for (int i = 0; i < kWrites; ++i) kept += ini.ReadInteger(sjisBytes(section), formatted("k%d", i), -1) == i;
    EXPECT_EQ(kept, 2 * kWrites);
}

TEST_F(IniGT, AWindowPlacementKeepsEachKeyAndFallsBackKeyByKey) {
    const PlacementSetting place{"locate", {10, 20, 1200, 800}};
    const WindowPlacement absent = readSetting(ini, place);
    EXPECT_EQ((std::array{absent.left, absent.top, absent.width, absent.height}), (std::array{10, 20, 1200, 800}));

    ASSERT_TRUE(writeSetting(ini, place, {-5, 7, 640, 480}));
    const WindowPlacement back = readSetting(ini, place);
    EXPECT_EQ((std::array{back.left, back.top, back.width, back.height}), (std::array{-5, 7, 640, 480}));

    store("[locate]\nleft=3\ntop=abc\nwidth=\n");
    const WindowPlacement odd = readSetting(ini, place);
    EXPECT_EQ((std::array{odd.left, odd.top, odd.width, odd.height}), (std::array{3, 20, 1200, 800}));
}
