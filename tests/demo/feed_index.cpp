#include "feed_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "fileio/whole_file.h"
#include "record_layouts/jvdata_record.h"
#include "support/temp_dir.h"

namespace vantor::test {
namespace fs = std::filesystem;
namespace {

std::vector<FeedFileData> readFolder(const fs::path& folder, const std::string& label) {
    std::vector<FeedFileData> files;
    if (!fs::is_directory(folder)) return files;
    for (const auto& e : fs::directory_iterator(folder)) {
        if (!e.is_regular_file()) continue;
        FeedFileData f;
        f.folder = label;
        f.name = e.path().filename().string();
        f.stamp = f.name.substr(0, 14);
        f.bytes = SjisString::fromBytes(readWholeFile(e.path()).bytes);
        files.push_back(std::move(f));
    }
    std::sort(files.begin(), files.end(), [](const FeedFileData& a, const FeedFileData& b) {
        return a.stamp != b.stamp ? a.stamp < b.stamp : a.name < b.name;
    });
    // Split after reading: the strings no longer move.
    for (FeedFileData& f : files) {
        SjisView rest = f.bytes;
        while (!rest.empty()) {
            const std::size_t end = rest.find("\r\n");
            const std::size_t len = end == SjisView::npos ? rest.size() : end + 2;
            f.records.push_back(rest.substr(0, len));
            rest.remove_prefix(len);
        }
    }
    return files;
}

// "<stamp>_0B30_<key>.jvd": a file that names its dataspec.
bool isLiveFile(std::string_view name) { return name.size() > 19 && name.substr(14, 3) == "_0B"; }

bool isFinal(SjisView rec) {
    const SjisView dk = jvdata::dataKind(rec);
    return dk == "7" || dk == "A" || dk == "B";
}

void indexRecords(FeedIndex& index, const std::vector<FeedFileData>& files) {
    for (const FeedFileData& f : files)
        for (SjisView rec : f.records) {
            const SjisView kind = jvdata::recordKind(rec);
            if (kind == "UM") {
                index.master[SjisString(jvdata::get(rec, jvdata::um::KettoNum))] = rec;
            } else if (kind == "O1") {
                index.winOdds[key(rec)] = rec;
            } else if (kind == "O2") {
                index.quinellaOdds[key(rec)] = rec;
            } else if (kind == "H1") {
                index.voteCounts.push_back(rec);
            } else if (kind == "HR") {
                index.payouts[key(rec)] = rec;
            } else if (kind == "RA" && isFinal(rec)) {
                index.races[key(rec)] = rec;
            } else if (kind == "SE" && isFinal(rec)) {
                index.runners[key(rec)].push_back(rec);
                index.runsOf[SjisString(jvdata::get(rec, jvdata::se::KettoNum))].push_back(rec);
            }
        }
}

}  // namespace

FeedIndex indexFeed(const fs::path& root) {
    FeedIndex index;
    index.root = root;
    index.setup = readFolder(root / "setup", "setup");
    index.normal = readFolder(root / "normal", "normal");
    if (fs::is_directory(root / "realtime")) {
        std::vector<fs::path> days;
        for (const auto& e : fs::directory_iterator(root / "realtime")) days.push_back(e.path());
        std::sort(days.begin(), days.end());
        for (const fs::path& d : days)
            for (FeedFileData& f : readFolder(d, "realtime/" + d.filename().string()))
                (isLiveFile(f.name) ? index.live : index.realtime).push_back(std::move(f));
    }
    // Set-up data first, then normal data: the order the program acquires them.
    indexRecords(index, index.setup);
    indexRecords(index, index.normal);
    for (auto& [id, runs] : index.runsOf)
        std::stable_sort(runs.begin(), runs.end(), [](SjisView a, SjisView b) { return key(a) < key(b); });
    return index;
}

const FeedIndex& sharedFeed(int years) {
    struct Holder {
        TempDir dir;
        FeedIndex index;
    };
    static std::map<int, std::unique_ptr<Holder>> feeds;
    std::unique_ptr<Holder>& held = feeds[years];
    if (!held) {
        held = std::make_unique<Holder>();
        demo::DemoOptions options;
        options.out = held->dir.path();
        options.toDate = 20240527;
        options.years = years;
        const demo::DemoResult result = demo::generateDemoFeed(options);
        EXPECT_TRUE(result.ok()) << result.error;
        held->index = indexFeed(held->dir.path());
        held->index.summary = result.summary;
    }
    return held->index;
}

}  // namespace vantor::test
