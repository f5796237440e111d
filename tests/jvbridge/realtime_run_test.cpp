#include "realtime_run.h"

#include <gtest/gtest.h>

#include "bridge_test_support.h"
#include "support/temp_dir.h"

using namespace vantor;
using namespace vantor::jvbridge;

namespace {

class ResultsRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::writeFile(source / "realtime/20240526/20240526153000_RT1.jvd", "RA1\r\nSE1\r\n");
        test::writeFile(source / "realtime/20240526/20240526160000_RT2.jvd", "HR1\r\n");
    }

    int run(std::string_view date = "20240526", const std::vector<std::string>& faults = {}) {
        FeedJVLink link(FeedSettings{source.path(), 0, "0490"});
        for (const std::string& f : faults) EXPECT_FALSE(link.faults().parse(f));
        return runRealtime(link, resultsRequest(out.path(), std::string(date), "SID"), io.io());
    }

    static std::vector<std::string> withoutFileChanges(std::vector<std::string> records) {
        std::erase(records, "-1");
        return records;
    }

    test::TempDir source;
    test::TempDir out;
    test::CapturedIo io;
};

TEST_F(ResultsRunTest, TheDaysRecordsBecomeOneFileThatDeliversThemInOrder) {
    ASSERT_EQ(run(), 0);
    EXPECT_EQ(test::entries(out / "realtime/20240526"), std::vector<std::string>{"20240526170000_0B12.jvd"});
    EXPECT_EQ(test::deliverResults(out.path(), "20240526").records,
              withoutFileChanges(test::deliverResults(source.path(), "20240526").records));
}

TEST_F(ResultsRunTest, ALaterFetchReplacesTheDaysEarlierResultsOnly) {
    ASSERT_EQ(run(), 0);
    test::writeFile(out / "realtime/20240526/20240526120000_OTHER.jvd", "RA9\r\n");
    io.clock = "20240526180000";
    ASSERT_EQ(run(), 0);
    EXPECT_EQ(test::entries(out / "realtime/20240526"),
              (std::vector<std::string>{"20240526120000_OTHER.jvd", "20240526180000_0B12.jvd"}));
}

TEST_F(ResultsRunTest, NoResultsIsNotAnErrorAndAFailureKeepsWhatWasThere) {
    EXPECT_EQ(run("20240527"), 0);
    EXPECT_TRUE(test::entries(out.path()).empty());

    ASSERT_EQ(run(), 0);
    io.clock = "20240526180000";
    EXPECT_EQ(run("20240526", {"JVRead@3=-503"}), 1);
    EXPECT_EQ(io.complaints.back(), "JVReadエラー:ファイルが見つかりません。(-503)");
    EXPECT_EQ(run("20240526", {"JVRTOpen@1=-114"}), 1);
    EXPECT_EQ(io.complaints.back(), "JVRTOpenエラー:(-114)");
    EXPECT_EQ(test::entries(out / "realtime/20240526"), std::vector<std::string>{"20240526170000_0B12.jvd"});
}

}  // namespace
