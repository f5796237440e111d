#include "acquisition_run.h"

#include <gtest/gtest.h>

#include "bridge_test_support.h"
#include "support/temp_dir.h"

using namespace vantor;
using namespace vantor::jvbridge;

namespace {

constexpr std::string_view kFrom = "20240501000000";

class AcquisitionRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Set-up files share one stamp (delivered in name order); normal
        // files before and after the start time; one record in Shift-JIS.
        test::writeFile(source / "setup/20240520060000_RACE202405B.jvd", "RA3\r\nSE3\r\n");
        test::writeFile(source / "setup/20240520060000_RACE202405A.jvd", "RA1\r\nRA2 \x93\xFA\x96\x7B\r\n");
        test::writeFile(source / "normal/20240420120000_OLD.jvd", "RA0\r\n");
        test::writeFile(source / "normal/20240523120000_CARD.jvd", "RA4\r\n");
        test::writeFile(source / "normal/20240603090000_RESULT.jvd", "SE5\r\nHR5\r\n");
    }

    int run(bool setup, std::string_view from = kFrom, const std::vector<std::string>& faults = {}) {
        FeedJVLink link(FeedSettings{source.path(), 0, "0490"});
        for (const std::string& f : faults) EXPECT_FALSE(link.faults().parse(f));
        closes = 0;
        const int status = runAcquisition(link, {out.path(), std::string(from), setup, "SA1/SD1/Vantor/Test"}, io.io());
        closes = link.faults().calls("JVClose");
        return status;
    }

    test::TempDir source;
    test::TempDir out;
    test::CapturedIo io;
    int closes = 0;
};

TEST_F(AcquisitionRunTest, TheWrittenFolderDeliversWhatJVLinkDelivered) {
    ASSERT_EQ(run(true), 0);
    EXPECT_EQ(test::entries(out / "setup"),
              (std::vector<std::string>{"20240603090000_000001_20240520060000_RACE202405A.jvd",
                                        "20240603090000_000002_20240520060000_RACE202405B.jvd",
                                        "20240603090000_000003_20240523120000_CARD.jvd",
                                        "20240603090000_000004_20240603090000_RESULT.jvd"}));
    const test::Delivery direct = test::deliver(source.path(), jv::kOptionSetup, kFrom);
    const test::Delivery bridged = test::deliver(out.path(), jv::kOptionSetup, kFrom);
    EXPECT_EQ(bridged.records, direct.records);
    EXPECT_EQ(bridged.lastFileTimestamp, direct.lastFileTimestamp);
    EXPECT_EQ(io.said.back(), "next start: 20240603090000");
    EXPECT_EQ(closes, 1);
}

TEST_F(AcquisitionRunTest, NormalDataGoesToItsOwnFolderAndANextRunFromItsStampFindsNothing) {
    ASSERT_EQ(run(false, "20240523120000"), 0);
    EXPECT_EQ(test::entries(out / "normal"),
              (std::vector<std::string>{"20240603090000_000001_20240603090000_RESULT.jvd"}));
    EXPECT_TRUE(test::entries(out / "setup").empty());

    ASSERT_EQ(run(false, "20240603090000"), 0);
    EXPECT_EQ(io.said.back(), "nothing newer than 20240603090000");
    EXPECT_EQ(test::entries(out / "normal").size(), 1u);
    EXPECT_EQ(closes, 1);
}

TEST_F(AcquisitionRunTest, ARunAgainWithTheSameArgumentsConvergesAndClearsAKilledRunsLeftovers) {
    ASSERT_EQ(run(true), 0);
    const auto first = test::entries(out / "setup");
    const std::string content = test::readFile(out / "setup" / first[0]);
    test::writeFile(out / "setup" / (first[1] + ".partial"), "RA1\r\n");  // a run killed while writing
    test::writeFile(out / "setup/notes.txt", "kept");

    ASSERT_EQ(run(true), 0);
    auto expected = first;
    expected.push_back("notes.txt");
    EXPECT_EQ(test::entries(out / "setup"), expected);
    EXPECT_EQ(test::readFile(out / "setup" / first[0]), content);
}

TEST_F(AcquisitionRunTest, RecordsThatAreNotThereYetAreWaitedFor) {
    ASSERT_EQ(run(true, kFrom, {"JVRead@2=-3,JVRead@3=-2,JVRead@4=-3"}), 0);
    EXPECT_EQ(io.pauses, 3);
    EXPECT_EQ(test::deliver(out.path(), jv::kOptionSetup, kFrom).records,
              test::deliver(source.path(), jv::kOptionSetup, kFrom).records);
}

// Every failing call ends the run with its message and a non-zero status,
// and leaves the folder as it was: no feed file, no temporary file.
TEST_F(AcquisitionRunTest, AFailedCallIsReportedAndWritesNothing) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"JVInit@1=-103", "JVInitエラー:sid が不正（sid の１桁目がスペース）です。(-103)"},
        {"JVOpen@1=-504", "JVOpenエラー:サーバーがメンテナンス中です。(-504)"},
        {"JVStatus@1=-502", "JVStatusエラー:ダウンロードに失敗しました。（通信エラーやディスクエラーなど）(-502)"},
        {"JVRead@6=-402", "JVReadエラー:ダウンロードしたファイルサイズが異常です。(-402)"},
        {"JVClose@1=-201", "JVCloseエラー:(-201)"},
    };
    for (const auto& [fault, message] : cases) {
        SCOPED_TRACE(fault);
        io.complaints.clear();
        EXPECT_EQ(run(true, kFrom, {fault}), 1);
        ASSERT_FALSE(io.complaints.empty());
        EXPECT_EQ(io.complaints.front(), message);
        EXPECT_TRUE(test::entries(out / "setup").empty());
    }
}

TEST_F(AcquisitionRunTest, AFailedRunKeepsTheFilesOfAnEarlierOne) {
    ASSERT_EQ(run(true), 0);
    const auto before = test::entries(out / "setup");
    EXPECT_EQ(run(true, kFrom, {"JVRead@3=-503"}), 1);
    EXPECT_EQ(test::entries(out / "setup"), before);
}

}  // namespace
