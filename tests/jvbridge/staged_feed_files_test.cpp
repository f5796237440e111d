#include "staged_feed_files.h"

#include <gtest/gtest.h>

#include "bridge_test_support.h"
#include "feed_file_naming.h"
#include "support/temp_dir.h"

using namespace vantor;
using namespace vantor::jvbridge;

namespace {

TEST(StagedFeedFilesTest, FilesAppearOnlyWhenPublished) {
    test::TempDir dir;
    StagedFeedFiles staged(dir / "setup");
    ASSERT_FALSE(staged.prepare());
    ASSERT_FALSE(staged.startFile("b.jvd"));
    ASSERT_FALSE(staged.appendRecord("RA1\r\n"));
    ASSERT_FALSE(staged.startFile("a.jvd"));
    ASSERT_FALSE(staged.appendRecord("RA2\r\n"));
    EXPECT_EQ(test::entries(dir / "setup"), (std::vector<std::string>{"a.jvd.partial", "b.jvd.partial"}));

    ASSERT_FALSE(staged.publish());
    EXPECT_EQ(test::entries(dir / "setup"), (std::vector<std::string>{"a.jvd", "b.jvd"}));
    EXPECT_EQ(test::readFile(dir / "setup/b.jvd"), "RA1\r\n");
    EXPECT_EQ(staged.fileCount(), 2);
}

TEST(StagedFeedFilesTest, WhatIsNotPublishedGoesWithTheObject) {
    test::TempDir dir;
    test::writeFile(dir / "a.jvd", "old\r\n");
    {
        StagedFeedFiles staged(dir.path());
        ASSERT_FALSE(staged.prepare());
        ASSERT_FALSE(staged.startFile("a.jvd"));
        ASSERT_FALSE(staged.appendRecord("new\r\n"));
    }
    EXPECT_EQ(test::entries(dir.path()), std::vector<std::string>{"a.jvd"});
    EXPECT_EQ(test::readFile(dir / "a.jvd"), "old\r\n");
}

TEST(StagedFeedFilesTest, AFolderThatCannotBeMadeIsReported) {
    test::TempDir dir;
    test::writeFile(dir / "setup", "a file where the folder belongs");
    StagedFeedFiles staged(dir / "setup");
    const auto err = staged.prepare();
    ASSERT_TRUE(err);
    EXPECT_NE(err->find("setup"), std::string::npos);
}

TEST(FeedFileNamingTest, NamesSortInDeliveryOrderAndStaySafe) {
    EXPECT_EQ(runFileName("20240603090000", 9, "RA.jvd"), "20240603090000_000009_RA.jvd");
    EXPECT_LT(runFileName("20240603090000", 9, "Z"), runFileName("20240603090000", 10, "A"));
    EXPECT_EQ(safeNamePart("../x/y:z.JVD"), "_x_y_z");
    EXPECT_EQ(safeNamePart("\x93\xFA.jvd"), "__");
    EXPECT_EQ(safeNamePart("..."), "file");
    EXPECT_EQ(safeNamePart(std::string(300, 'a')).size(), 100u);
}

TEST(FeedFileNamingTest, OnlyNamesOfTheSameAnswerGiveAStamp) {
    const RealtimeAnswerName results{"0B12", "20240526", true};
    EXPECT_EQ(results.at("20240526170000"), "20240526170000_0B12.jvd");
    EXPECT_EQ(results.stampOf(results.at("20240526170000")), "20240526170000");
    EXPECT_EQ(results.stampOf("20240526170000_0B12.jvd.partial"), "");
    EXPECT_EQ(results.stampOf("20240526170000_RT.jvd"), "");
    EXPECT_EQ(results.stampOf("20241399170000_0B12.jvd"), "");

    const RealtimeAnswerName odds{"0B30", "2024052605021211"};
    EXPECT_EQ(odds.at("20240526100000"), "20240526100000_0B30_2024052605021211.jvd");
    EXPECT_EQ(odds.stampOf("20240526100000_0B30_2024052605021211.jvd"), "20240526100000");
    EXPECT_EQ(odds.stampOf("20240526100000_0B30_2024052605021212.jvd"), "");  // another race
    EXPECT_EQ(odds.stampOf("20240526100000_0B41_2024052605021211.jvd"), "");  // another dataspec
    EXPECT_EQ(odds.stampOf("20240526100000_0B12.jvd"), "");
}

}  // namespace
