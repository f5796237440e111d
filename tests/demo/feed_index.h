#pragma once
// A generated feed folder read back for the tests: its files in delivery
// order and the records indexed by race, horse and data kind, parsed only
// through the layout constants.

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "demo/demo_feed.h"
#include "record_layouts/jvdata_structure.h"

namespace vantor::test {

struct FeedFileData {
    std::string folder;  // "setup", "normal" or "realtime/yyyymmdd"
    std::string name;    // file name
    std::string stamp;   // its 14-digit time stamp
    SjisString bytes;
    std::vector<SjisView> records;  // each with its CR LF
};

struct FeedIndex {
    std::filesystem::path root;
    demo::DemoSummary summary;
    std::vector<FeedFileData> setup, normal, realtime;  // each in time-stamp order, then by name
    // The real-time files that name their dataspec, "<stamp>_<dataspec>_<key>.jvd",
    // in time-stamp order, then by name.
    std::vector<FeedFileData> live;

    // Final results as set-up and normal data deliver them (data kind 7,
    // A or B), by the 16-character race key.
    std::map<SjisString, SjisView> races;
    std::map<SjisString, std::vector<SjisView>> runners;
    std::map<SjisString, SjisView> payouts;
    // The set-up's final odds (O1, O2) by race key, and its vote counts (H1).
    std::map<SjisString, SjisView> winOdds, quinellaOdds;
    std::vector<SjisView> voteCounts;
    // By horse id: its runs (data kind 7, A or B) in date order, and the
    // last horse master record delivered.
    std::map<SjisString, std::vector<SjisView>> runsOf;
    std::map<SjisString, SjisView> master;
};

// Reads the feed in folder root (files of all three folders).
FeedIndex indexFeed(const std::filesystem::path& root);

// Generates a feed once per test program and keeps it for all its tests:
// years of racing up to 27 May 2024 with seed 1.
const FeedIndex& sharedFeed(int years);

inline SjisString key(SjisView rec) { return SjisString(rec.substr(11, 16)); }

// Race time "mssT" in tenths of a second.
inline int tenths(SjisView rec) {
    const int t = jvdata::inum(rec, jvdata::se::Time);
    return t / 1000 * 600 + t / 10 % 100 * 10 + t % 10;
}

}  // namespace vantor::test
