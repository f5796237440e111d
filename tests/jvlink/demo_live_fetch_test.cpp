// The demo's live day fetched through the feed replacement as a race day's
// schedule fetches it: every record of it filed, a withdrawn scratch gone
// from the store after its withdrawal, and nothing new writing nothing.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "jvlink/feed_jvlink.h"
#include "jvlink/live_fetch.h"
#include "record_layouts/jvdata_record.h"
#include "store/live_files.h"
#include "support/demo_live_feed.h"
#include "support/temp_dir.h"

using namespace vantor;

namespace {

class DemoLiveFetchTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        feed_ = new test::TempDir;
        const demo::DemoResult made = test::makeDemoLiveFeed(feed_->path());
        ASSERT_TRUE(made.ok()) << made.error;
    }
    static void TearDownTestSuite() { delete feed_; }

    void SetUp() override {
        link.JVInit("Vantor");
        link.setJapanClock([this] { return now; });
    }

    // The day's race keys, as its odds files name them.
    static std::set<std::string> raceKeys() {
        std::set<std::string> keys;
        for (const auto& e : std::filesystem::directory_iterator(feed_->path() / "realtime/20240526")) {
            const std::string name = e.path().filename().string();
            if (name.substr(14, 6) == "_0B30_") keys.insert(name.substr(20, 16));
        }
        return keys;
    }

    // What a schedule fetches of the whole day, written after the last
    // fetch; the files written.
    int fetchDay() {
        LiveFiler filer(paths, "20240526");
        const auto one = [&](LiveDataspec dataspec, SjisView key) {
            const LiveFetchOutcome out = fetchLive(link, filer, dataspec, key, [] {});
            EXPECT_FALSE(out.failed()) << key.bytes() << " " << out.openResult;
            EXPECT_TRUE(out.skipped.empty()) << key.bytes();
        };
        one(LiveDataspec::dayChanges, "20240526");
        one(LiveDataspec::weights, "20240526");
        // A file name's race key is the key's own ASCII bytes.
        for (const std::string& key : raceKeys()) {
            one(LiveDataspec::odds, sjisBytes(key));
            one(LiveDataspec::winOddsSeries, sjisBytes(key));
        }
        return filer.write();
    }

    // The race keys of the lines of a live file.
    std::set<std::string> racesIn(const std::string& name) const {
        std::set<std::string> keys;
        const std::string bytes = test::readFile(app.path() / "Live/20240526" / name);
        for (std::size_t at = 0; at < bytes.size(); at = bytes.find("\r\n", at) + 2)
            keys.insert(bytes.substr(at + 11, 16));
        return keys;
    }

    std::map<std::string, std::string> liveFiles() const {
        std::map<std::string, std::string> files;
        for (const auto& e : std::filesystem::directory_iterator(app.path() / "Live/20240526"))
            files[e.path().filename().string()] = test::readFile(e.path());
        return files;
    }

    int scratches() const {
        int n = 0;
        const std::string changes = test::readFile(app.path() / "Live/20240526/changes.jvd");
        for (std::size_t at = 0; at + 2 <= changes.size(); at = changes.find("\r\n", at) + 2)
            n += changes.compare(at, 2, "AV") == 0;
        return n;
    }

    static test::TempDir* feed_;
    test::TempDir app;
    StorePaths paths{app.path()};
    std::string now = "20240526100000";
    FeedJVLink link{FeedSettings{feed_->path(), 0, "0490"}};
};

test::TempDir* DemoLiveFetchTest::feed_ = nullptr;

}  // namespace

TEST_F(DemoLiveFetchTest, TheDayUnfoldsInTheStoreAndEndsWithoutTheWithdrawnScratch) {
    ASSERT_GE(raceKeys().size(), 24u);
    EXPECT_GT(fetchDay(), 0);
    const int morning = scratches();
    EXPECT_GE(morning, 3) << "two scratches and the one withdrawn later";
    const std::string morningOdds = test::readFile(app.path() / "Live/20240526/odds_O1.jvd");

    now = "20240526170000";
    EXPECT_GT(fetchDay(), 0);
    EXPECT_EQ(scratches(), morning - 1) << "the withdrawn scratch is gone";
    EXPECT_NE(test::readFile(app.path() / "Live/20240526/odds_O1.jvd"), morningOdds);
    const auto evening = liveFiles();
    // One file per kind for the day, each with every race: its four other
    // kinds of odds, and its time series.
    std::set<std::string> names;
    for (const auto& [name, bytes] : evening) names.insert(name);
    EXPECT_EQ(names, (std::set<std::string>{"changes.jvd", "odds_O1.jvd", "odds_O2.jvd", "odds_O3.jvd", "odds_O4.jvd",
                                            "odds_O5.jvd", "odds_O6.jvd", "series.jvd", "weights.jvd"}));
    for (const char* name : {"odds_O3.jvd", "odds_O6.jvd", "series.jvd"}) EXPECT_EQ(racesIn(name), raceKeys()) << name;

    EXPECT_EQ(fetchDay(), 0);
    EXPECT_EQ(liveFiles(), evening);
}
