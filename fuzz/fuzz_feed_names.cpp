// Feed folder file names: the input is file names, one a line, each made
// as a normal-data file of one record in a feed folder held in memory. The
// replacement lists exactly the names of the feed-file form in time-stamp
// order, an open delivers each of them once, and its cache receives those
// files and nothing else. The replacement is kept for the whole run.

#include <algorithm>

#include "fuzz_support.h"
#include "jvlink/feed_jvlink.h"
#include "jvlink/memory_feed_storage.h"

namespace fs = std::filesystem;
using namespace vantor;

namespace {

// The names a feed folder on disk can hold: the cache copies a file there
// through its name and ".part", which must fit the 255 bytes of a file
// name too.
constexpr std::size_t kLongestName = 255 - 5;

bool isFileName(std::string_view name) {
    return !name.empty() && name.size() <= kLongestName && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static MemoryFeedStorage storage;
    static const fs::path root = "/vantor-fuzz";
    static const fs::path feed = root / "feed";
    static const fs::path normal = feed / "normal";
    storage.clear();
    storage.makeFolders(normal);
    for (const std::string_view name : fuzz::split(fuzz::bytesOf(data, size), "\n"))
        if (isFileName(name)) storage.put(normal, name, "RA\r\n");

    const std::vector<FeedFile> listed = listFeedFiles(normal, nullptr, storage);
    fuzz::check(std::is_sorted(listed.begin(), listed.end(),
                               [](const FeedFile& a, const FeedFile& b) { return a.stamp < b.stamp; }),
                "files in time-stamp order");
    std::vector<std::string> due;
    for (const FeedFile& f : listed) {
        fuzz::check(isValidTimeStamp(f.stamp) && f.name.starts_with(f.stamp) && f.name.ends_with(".jvd"),
                    "only names of the feed-file form");
        if (f.stamp > "19000101000000") due.push_back(f.name);
    }

    // One link for the whole run, as the program keeps its own: every
    // open also starts from what the one before left.
    static FeedJVLink link(FeedSettings{feed, 0, "0490"}, {}, storage);
    static const int initialised = link.JVInit("fuzz");
    fuzz::check(initialised == jv::kOk, "the link starts");
    int readCount = 0, downloadCount = 0, size6000 = 6000;
    std::string last, buffer, name;
    const int opened = link.JVOpen("RACEDIFN", "19000101000000", 1, readCount, downloadCount, last);
    fuzz::check(opened == (due.empty() ? jv::kNoNewerData : jv::kOk), "an open finds the files due");
    std::vector<std::string> delivered;
    if (opened == jv::kOk) {
        for (int r; (r = link.JVRead(buffer, size6000, name)) != jv::kEndOfAll;) {
            fuzz::check(r > 0 || r == jv::kFileSwitched, "every file reads");
            if (r > 0) delivered.push_back(name);
        }
        link.JVClose();
    }
    std::sort(due.begin(), due.end());
    std::sort(delivered.begin(), delivered.end());
    fuzz::check(delivered == due, "each file due is delivered once");
    std::vector<std::string> cached, outside;
    static const std::string cacheFolder = (feed / "cache").string() + "/", feedFolder = feed.string() + "/";
    storage.forEachPath([&](const std::string& path) {
        if (path.starts_with(cacheFolder))
            cached.push_back(path.substr(cacheFolder.size()));
        else if (path != feed.native() && !path.starts_with(feedFolder))
            outside.push_back(path);
    });
    fuzz::check(cached == due, "the cache holds the files delivered");
    fuzz::check(outside == std::vector<std::string>{root.string()}, "nothing lands outside the feed folder");
    // What the input made goes with it, so that libFuzzer's leak check
    // finds nothing held from one input to the next.
    storage.clear();
    return 0;
}
