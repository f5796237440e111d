// Generating a feed: the same seed gives the same bytes, bad options and
// unusable folders give errors, an existing feed is replaced only on request.

#include "demo/demo_feed.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "feed_index.h"
#include "support/temp_dir.h"

using namespace vantor;
namespace fs = std::filesystem;

namespace {

demo::DemoOptions oneYear(const fs::path& out, std::uint64_t seed = 1) {
    demo::DemoOptions o;
    o.out = out;
    o.seed = seed;
    o.toDate = 20240527;
    o.years = 1;
    return o;
}

}  // namespace

TEST(DemoFeed, TheSameSeedGivesTheSameBytesAndAnotherSeedOthers) {
    const test::FeedIndex& shared = test::sharedFeed(1);
    test::TempDir again, other;
    ASSERT_TRUE(demo::generateDemoFeed(oneYear(again.path())).ok());
    const auto first = test::snapshot(shared.root), second = test::snapshot(again.path());
    ASSERT_EQ(first.size(), second.size());
    for (const auto& [name, bytes] : first) {
        ASSERT_TRUE(second.count(name)) << name;
        EXPECT_TRUE(second.at(name) == bytes) << name;
    }
    ASSERT_TRUE(demo::generateDemoFeed(oneYear(other.path(), 2)).ok());
    const auto third = test::snapshot(other.path());
    int differing = 0;
    for (const auto& [name, bytes] : first) differing += !third.count(name) || third.at(name) != bytes;
    EXPECT_GT(differing, static_cast<int>(first.size()) / 2);
}

TEST(DemoFeed, ReportsWhatItWroteAndItsProgress) {
    const test::FeedIndex& f = test::sharedFeed(1);
    const demo::DemoSummary& s = f.summary;
    EXPECT_EQ(s.files, static_cast<int>(f.setup.size() + f.normal.size() + f.realtime.size()));
    long long records = 0, bytes = 0;
    for (const auto* list : {&f.setup, &f.normal, &f.realtime})
        for (const auto& file : *list) {
            records += static_cast<long long>(file.records.size());
            bytes += static_cast<long long>(file.bytes.size());
        }
    EXPECT_EQ(records, s.records());
    EXPECT_EQ(bytes, s.bytes);
    long long liveBytes = 0;
    for (const auto& file : f.live) liveBytes += static_cast<long long>(file.bytes.size());
    EXPECT_EQ(s.liveFiles, static_cast<int>(f.live.size()));
    EXPECT_EQ(s.liveBytes, liveBytes);
    EXPECT_EQ(s.lastDate, 20240526);
    EXPECT_GT(s.outsideRaces, 0);

    test::TempDir dir;
    demo::DemoOptions o = oneYear(dir.path());
    int calls = 0, lastDone = 0, lastTotal = 0;
    bool monotonic = true;
    o.progress = [&](int done, int total) {
        monotonic = monotonic && done > lastDone && done <= total;
        lastDone = done;
        lastTotal = total;
        ++calls;
    };
    ASSERT_TRUE(demo::generateDemoFeed(o).ok());
    EXPECT_TRUE(monotonic);
    EXPECT_EQ(lastDone, lastTotal);
    EXPECT_GT(calls, s.files);
}

TEST(DemoFeed, RejectsBadOptionsAndUnusableFolders) {
    test::TempDir dir;
    demo::DemoOptions o = oneYear(dir / "feed");
    o.years = 0;
    EXPECT_FALSE(demo::generateDemoFeed(o).ok());
    o.years = 11;
    EXPECT_FALSE(demo::generateDemoFeed(o).ok());
    o.years = 1;
    o.toDate = 20230229;
    EXPECT_FALSE(demo::generateDemoFeed(o).ok());
    o.toDate = 20240527;
    o.out.clear();
    EXPECT_FALSE(demo::generateDemoFeed(o).ok());

    // A file where the folder should be, and a file where its setup folder should be.
    test::writeFile(dir / "plain", "x");
    o.out = dir / "plain";
    const demo::DemoResult onFile = demo::generateDemoFeed(o);
    EXPECT_FALSE(onFile.ok());
    EXPECT_NE(onFile.error.find("plain"), std::string::npos) << onFile.error;
    test::writeFile(dir / "blocked" / "setup", "x");
    o.out = dir / "blocked";
    EXPECT_FALSE(demo::generateDemoFeed(o).ok());
}

TEST(DemoFeed, LeavesAnExistingFeedAloneUnlessToldToReplaceIt) {
    test::TempDir dir;
    demo::DemoOptions o = oneYear(dir.path());
    o.years = 1;
    o.toDate = 20231231;
    ASSERT_TRUE(demo::generateDemoFeed(o).ok());
    const auto before = test::snapshot(dir.path());
    test::writeFile(dir / "notes.txt", "mine");

    o.toDate = 20240527;
    const demo::DemoResult refused = demo::generateDemoFeed(o);
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(test::snapshot(dir.path()).size(), before.size() + 1);

    o.replace = true;
    const demo::DemoResult replaced = demo::generateDemoFeed(o);
    ASSERT_TRUE(replaced.ok()) << replaced.error;
    const auto after = test::snapshot(dir.path());
    // Only the new feed's files and the unrelated one remain.
    EXPECT_EQ(static_cast<int>(after.size()), replaced.summary.files + replaced.summary.liveFiles + 1);
    EXPECT_EQ(after.at("notes.txt"), "mine");
}
