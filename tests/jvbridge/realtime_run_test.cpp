#include "realtime_run.h"

#include <gtest/gtest.h>

#include "bridge_test_support.h"
#include "support/temp_dir.h"

using namespace vantor;
using namespace vantor::jvbridge;

namespace {

class RealtimeRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::writeFile(source / "realtime/20240526/20240526153000_RT1.jvd", "RA1\r\nSE1\r\n");
        test::writeFile(source / "realtime/20240526/20240526160000_RT2.jvd", "HR1\r\n");
        test::writeFile(source / "realtime/20240526/20240526100000_0B41_2024052605021211.jvd", "O1a\r\n");
        test::writeFile(source / "realtime/20240526/20240526101000_0B41_202405260511.jvd", "O1b\r\n");
        test::writeFile(source / "realtime/20240526/20240526101000_0B30_2024052605021211.jvd", "O1c\r\nO2c\r\n");
    }

    int fetch(std::string_view dataspec, std::string_view key) {
        FeedJVLink link(FeedSettings{source.path(), 0, "0490"});
        return runRealtime(link, realtimeRequest(out.path(), std::string(dataspec), std::string(key), "SID"), io.io());
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

TEST_F(RealtimeRunTest, TheDaysRecordsBecomeOneFileThatDeliversThemInOrder) {
    ASSERT_EQ(run(), 0);
    EXPECT_EQ(test::entries(out / "realtime/20240526"), std::vector<std::string>{"20240526170000_0B12.jvd"});
    EXPECT_EQ(test::deliverRealtime(out.path(), "0B12", "20240526").records,
              withoutFileChanges(test::deliverRealtime(source.path(), "0B12", "20240526").records));
}

TEST_F(RealtimeRunTest, ALaterFetchReplacesTheDaysEarlierResultsOnly) {
    ASSERT_EQ(run(), 0);
    test::writeFile(out / "realtime/20240526/20240526120000_OTHER.jvd", "RA9\r\n");
    io.clock = "20240526180000";
    ASSERT_EQ(run(), 0);
    EXPECT_EQ(test::entries(out / "realtime/20240526"),
              (std::vector<std::string>{"20240526120000_OTHER.jvd", "20240526180000_0B12.jvd"}));
}

TEST_F(RealtimeRunTest, NoResultsIsNotAnErrorAndAFailureKeepsWhatWasThere) {
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

TEST_F(RealtimeRunTest, ARealtimeAnswerBecomesOneFileNamedAfterItsSpecAndKeyThatDeliversTheSame) {
    // The time series of a race in both key forms, as JV-Link takes them.
    ASSERT_EQ(fetch("0B41", "202405260511"), 0);
    const std::string series = "20240526170000_0B41_202405260511.jvd";
    EXPECT_EQ(test::entries(out / "realtime/20240526"), std::vector<std::string>{series});
    EXPECT_EQ(test::deliverRealtime(out.path(), "0B41", "2024052605021211").records,
              withoutFileChanges(test::deliverRealtime(source.path(), "0B41", "2024052605021211").records));
    EXPECT_EQ(test::deliverRealtime(out.path(), "0B41", "2024052605021211").records,
              (std::vector<std::string>{"O1a\r\n", "O1b\r\n"}));

    // A later fetch of the same answer replaces it; other answers stay.
    ASSERT_EQ(fetch("0B30", "2024052605021211"), 0);
    io.clock = "20240526171000";
    ASSERT_EQ(fetch("0B41", "202405260511"), 0);
    EXPECT_EQ(
        test::entries(out / "realtime/20240526"),
        (std::vector<std::string>{"20240526170000_0B30_2024052605021211.jvd", "20240526171000_0B41_202405260511.jvd"}));
    EXPECT_EQ(test::deliverRealtime(out.path(), "0B30", "2024052605021211").records,
              (std::vector<std::string>{"O1c\r\n", "O2c\r\n"}));
}

TEST_F(RealtimeRunTest, NothingAnnouncedYetWritesNothingAndAJVLinkRefusalFails) {
    EXPECT_EQ(fetch("0B11", "20240526"), 0);
    EXPECT_EQ(io.said.back(), "nothing announced yet for 0B11 20240526");
    EXPECT_EQ(fetch("0B30", "20240526"), 1);  // a day key for the odds
    EXPECT_EQ(io.complaints.back(), "JVRTOpenエラー:(-114)");
    EXPECT_TRUE(test::entries(out.path()).empty());
}

}  // namespace
