// The replacement on a feed folder held in memory: listing, download into
// the cache, reading and the cache's currency all go through its storage.

#include <gtest/gtest.h>

#include "jvlink/feed_jvlink.h"
#include "jvlink/memory_feed_storage.h"

using namespace vantor;

namespace {

const std::filesystem::path kFeed = "/feed";

struct Opened {
    int result = 0, reads = 0, downloads = 0;
};

Opened open(FeedJVLink& link) {
    Opened o;
    std::string last;
    EXPECT_EQ(link.JVInit("test"), jv::kOk);
    o.result = link.JVOpen(jv::kAcquisitionDataSpec, "20240101000000", jv::kOptionNormal, o.reads, o.downloads, last);
    return o;
}

// Every record as "file:record", and each file switch as "|".
std::string readAll(FeedJVLink& link) {
    std::string seen, buff, name;
    int size = 6000;
    for (int r; (r = link.JVRead(buff, size, name)) != jv::kEndOfAll;) {
        if (r == jv::kFileSwitched) {
            seen += "|";
            continue;
        }
        if (r < 0) return seen + "error " + std::to_string(r);
        seen += name.substr(15, 1) + ":" + buff.substr(0, buff.size() - 2) + " ";
    }
    link.JVClose();
    return seen;
}

}  // namespace

TEST(FeedStorage, TheReplacementDownloadsAndReadsThroughItsStorageAlone) {
    MemoryFeedStorage storage;
    storage.makeFolders(kFeed / "normal");
    storage.put(kFeed / "normal/20240526090000_A.jvd", "RA1\r\nRA2\r\nRA3\r\n");
    storage.put(kFeed / "normal/20240527090000_B.jvd", "SE1");
    storage.put(kFeed / "normal/20231231090000_C.jvd", "too old\r\n");

    FeedJVLink link(FeedSettings{kFeed}, {}, storage);
    const Opened first = open(link);
    ASSERT_EQ(first.result, jv::kOk);
    EXPECT_EQ(first.reads, 2);
    EXPECT_EQ(first.downloads, 2);
    // A file of fewer records after one of more gives only its own.
    EXPECT_EQ(readAll(link), "A:RA1 A:RA2 A:RA3 |B:SE1 ");
    EXPECT_TRUE(storage.stampOf(kFeed / "cache/20240526090000_A.jvd"));
    EXPECT_FALSE(storage.stampOf(kFeed / "cache/20231231090000_C.jvd"));

    // The copies are current: nothing to download again, until a feed file
    // changes, even to the same size.
    EXPECT_EQ(open(link).downloads, 0);
    link.JVClose();
    storage.put(kFeed / "normal/20240527090000_B.jvd", "SE2");
    EXPECT_EQ(open(link).downloads, 1);
    EXPECT_EQ(readAll(link), "A:RA1 A:RA2 A:RA3 |B:SE2 ");
}

TEST(FeedStorage, ACacheNameHeldByAFolderIsReadWhereItIsAndAMissingFeedIsASetting) {
    MemoryFeedStorage storage;
    storage.makeFolders(kFeed / "normal");
    storage.put(kFeed / "normal/20240526090000_A.jvd", "RA1\r\n");
    storage.makeFolders(kFeed / "cache/20240526090000_A.jvd");
    FeedJVLink link(FeedSettings{kFeed}, {}, storage);
    const Opened o = open(link);
    EXPECT_EQ(o.downloads, 0);
    EXPECT_EQ(readAll(link), "A:RA1 ");
    EXPECT_FALSE(storage.stampOf(kFeed / "cache/20240526090000_A.jvd"));

    FeedJVLink missing(FeedSettings{"/elsewhere"}, {}, storage);
    EXPECT_EQ(open(missing).result, jv::kBadSettings);
    EXPECT_FALSE(missing.sourceProblem().empty());
}

TEST(FeedStorage, AFolderInMemoryListsItsOwnEntriesAloneWhateverItsSubfoldersHold) {
    MemoryFeedStorage storage;
    storage.makeFolders(kFeed / "sub" / "deeper");
    // Around the subfolder in byte order: "sub.z" before "sub/", "sub0" just after its files.
    for (const char* name : {"a", "sub.z", "sub/x", "sub/y", "sub/deeper/z", "sub0", "t"})
        ASSERT_TRUE(storage.put(kFeed / name, name)) << name;
    EXPECT_TRUE(storage.put(kFeed / "sub", "w", "w"));
    EXPECT_FALSE(storage.put(kFeed / "missing", "w", "w")) << "no such folder";
    EXPECT_FALSE(storage.put(kFeed, "sub", "w")) << "a folder holds the name";

    // The names listed, a folder's with a "/".
    const auto listed = [&storage](const std::filesystem::path& folder) {
        std::vector<FeedStorage::Entry> entries;
        std::vector<std::string> names;
        EXPECT_TRUE(storage.list(folder, entries));
        for (const FeedStorage::Entry& e : entries) names.push_back(e.name + (e.plainFile ? "" : "/"));
        return names;
    };
    EXPECT_EQ(listed(kFeed), (std::vector<std::string>{"a", "sub.z", "sub0", "t", "sub/"}));
    EXPECT_EQ(listed(kFeed / "sub"), (std::vector<std::string>{"w", "x", "y", "deeper/"}));
}
