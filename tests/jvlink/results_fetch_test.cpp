#include "jvlink/results_fetch.h"

#include <gtest/gtest.h>

#include "jvlink/cancel_flag.h"
#include "jvlink/feed_jvlink.h"
#include "store/record_filer.h"
#include "support/program_folder.h"
#include "support/records.h"

using namespace vantor;
using namespace vantor::test;
namespace fs = std::filesystem;

namespace {

class ResultsFetchTest : public ::testing::Test {
protected:
    ResultsFetchTest() {
        // The acquired card: race 1 with one runner, no payouts yet.
        StoreBatch batch;
        RecordFiler filer(paths, batch);
        std::vector<SjisString> lines;
        filer.fileAcquired(raRecord(card, 1, "2"), 20240101, lines);
        filer.fileAcquired(seRecord(card, 1, "2020100001", "2", 0), 20240101, lines);
        batch.flush();
        writeFile(feed / "realtime/20240526/20240526160000_RT1.jvd",
                  (raRecord(card, 1, "7") + seRecord(card, 1, "2020100001", "7", 1)).bytes());
        writeFile(feed / "realtime/20240526/20240526160500_RT2.jvd", hrRecord(card, "7", 1).bytes());
        link.JVInit("sid");
    }

    ResultsFetchOutcome fetch(SjisView key = "20240526") {
        return fetchResults(link, paths, key, {[this] { ++pumps; }, [this] { ++beeps; }});
    }

    const RaceId card{.race = 1};
    ProgramFolder app;
    TempDir feed;
    StorePaths paths = app.paths();
    FeedJVLink link{FeedSettings{feed.path(), 0, "0490"}};
    int pumps = 0, beeps = 0;
};

}  // namespace

TEST_F(ResultsFetchTest, FilesTheDaysResultsAndClosesTwice) {
    CancelFlag = 1;  // left over from a cancelled acquisition
    const auto out = fetch();
    EXPECT_TRUE(out.ran);
    EXPECT_EQ(out.openResult, 0);
    EXPECT_EQ(out.records, 3);
    EXPECT_EQ(beeps, 2);
    EXPECT_EQ(link.faults().calls("JVClose"), 2);
    const std::string runners = readFile(app.data() / "2024年05月26日東京.jvSEr");
    EXPECT_EQ(runners.substr(2, 1), "7");  // the slot holds the result record unchanged
    EXPECT_TRUE(fs::exists(app.data() / "2024年05月26日.jvHR"));
}

TEST_F(ResultsFetchTest, AFailedOpenOnlyBeeps) {
    link.faults().add("JVRTOpen", 1, -114);
    const auto out = fetch();
    EXPECT_EQ(out.openResult, -114);
    EXPECT_EQ(out.records, 0);
    EXPECT_EQ(beeps, 3);
    EXPECT_EQ(link.faults().calls("JVRead"), 0);
    EXPECT_FALSE(fs::exists(app.data() / "2024年05月26日.jvHR"));
}

TEST_F(ResultsFetchTest, AReadErrorKeepsWhatWasFiled) {
    link.faults().add("JVRead", 4, -502);  // after the first file
    const auto out = fetch();
    EXPECT_EQ(out.records, 2);
    EXPECT_FALSE(fs::exists(app.data() / "2024年05月26日.jvHR"));
    EXPECT_EQ(readFile(app.data() / "2024年05月26日東京.jvSEr").substr(2, 1), "7");
}

TEST_F(ResultsFetchTest, NoDateNoFetch) {
    EXPECT_FALSE(fetch("").ran);
    EXPECT_FALSE(fetch("    ").ran);
    EXPECT_EQ(link.faults().calls("JVRTOpen"), 0);
    EXPECT_EQ(beeps, 0);
}
