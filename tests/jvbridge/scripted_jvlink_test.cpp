// Answers a real JV-Link may give that the feed replacement never does.

#include <gtest/gtest.h>

#include <deque>

#include "acquisition_run.h"
#include "bridge_test_support.h"
#include "support/temp_dir.h"

using namespace vantor;
using namespace vantor::jvbridge;

namespace {

class ScriptedJVLink : public JVLink {
public:
    struct Read {
        int result;
        std::string record;
        std::string fileName;
    };

    std::string lastFileTimestamp = "20240603090000";
    int downloadCount = 0;
    std::deque<int> statuses;
    std::deque<Read> reads;
    int closes = 0;

    int JVInit(std::string_view) override { return 0; }
    std::string version() const override { return "0490"; }
    int JVSetUIProperties() override { return 0; }
    int JVOpen(std::string_view, std::string_view, int, int& readcount, int& downloadcount,
               std::string& stamp) override {
        readcount = 1;
        downloadcount = downloadCount;
        stamp = lastFileTimestamp;
        return 0;
    }
    int JVStatus() override { return next(statuses, 0); }
    int JVRead(std::string& buff, int&, std::string& filename) override {
        if (reads.empty()) return 0;
        buff = reads.front().record;
        filename = reads.front().fileName;
        const int r = reads.front().result;
        reads.pop_front();
        return r;
    }
    void JVCancel() override {}
    int JVClose() override { return ++closes, 0; }
    int JVRTOpen(std::string_view, std::string_view) override { return -1; }

private:
    static int next(std::deque<int>& queue, int otherwise) {
        if (queue.empty()) return otherwise;
        const int v = queue.front();
        queue.pop_front();
        return v;
    }
};

class ScriptedRunTest : public ::testing::Test {
protected:
    int run() { return runAcquisition(link, {out.path(), "20240501000000", true, "SID"}, io.io()); }

    ScriptedJVLink link;
    test::TempDir out;
    test::CapturedIo io;
};

TEST_F(ScriptedRunTest, AReportedFileNameNeverLeadsOutOfTheFolder) {
    link.reads = {{5, "RA1\r\n", "..\\..\\C:/evil/../x.jvd"}, {-1, "", ""}, {5, "RA2\r\n", ""}};
    ASSERT_EQ(run(), 0);
    EXPECT_EQ(test::entries(out.path()), std::vector<std::string>{"setup"});
    EXPECT_EQ(test::entries(out / "setup"), (std::vector<std::string>{"20240603090000_000001__.._C__evil_.._x.jvd",
                                                                      "20240603090000_000002_file.jvd"}));
}

TEST_F(ScriptedRunTest, RecordsBecomeCrLfLinesAndOneWithALineFeedInsideIsRefused) {
    link.reads = {{3, "RA1", "A.jvd"}, {5, "RA2\r\n", "A.jvd"}};
    ASSERT_EQ(run(), 0);
    EXPECT_EQ(test::readFile(out / "setup/20240603090000_000001_A.jvd"), "RA1\r\nRA2\r\n");

    link.reads = {{5, "RA1\r\n", "B.jvd"}, {7, "RA\n2\r\n", "B.jvd"}};
    EXPECT_EQ(run(), 1);
    EXPECT_NE(io.complaints.back().find("line feed"), std::string::npos);
    EXPECT_EQ(test::entries(out / "setup"), std::vector<std::string>{"20240603090000_000001_A.jvd"});
}

TEST_F(ScriptedRunTest, ADeliveryWithoutTimeStampIsNotWritten) {
    for (const char* stamp : {"", "00000000000000"}) {
        link.lastFileTimestamp = stamp;
        link.reads = {{5, "RA1\r\n", "A.jvd"}};
        EXPECT_EQ(run(), 1);
        EXPECT_TRUE(test::entries(out.path()).empty());
        EXPECT_EQ(link.closes, 1);
        link.closes = 0;
    }
}

TEST_F(ScriptedRunTest, TheDownloadWaitEndsWhenTheCountIsReachedOrPassed) {
    link.downloadCount = 3;
    link.statuses = {0, 1, 4};
    link.reads = {{5, "RA1\r\n", "A.jvd"}};
    ASSERT_EQ(run(), 0);
    EXPECT_TRUE(link.statuses.empty());
    EXPECT_EQ(io.pauses, 2);
    EXPECT_EQ(test::entries(out / "setup").size(), 1u);
}

}  // namespace
