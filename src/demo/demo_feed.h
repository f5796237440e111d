#pragma once
// The demo feed: a deterministic simulation of JRA racing written as a
// JV-Link feed folder (setup/, normal/, realtime/), so that the program
// has realistic data to acquire without a JV-Link subscription. The same
// seed, end date and span always give byte-identical files.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace vantor::demo {

struct DemoOptions {
    std::filesystem::path out;  // the feed folder, created when missing
    // When not empty: the folder, created when missing, that receives the
    // odds services' archives of every race day of the last eight weekends
    // (odds_archives.h).
    std::filesystem::path oddsOut;
    std::uint64_t seed = 1;
    // yyyymmdd: the feed ends with the last race weekend lying wholly on or
    // before this date; 0 for the last weekend before today.
    int toDate = 0;
    int years = 3;  // 1 to 10
    // A folder that already holds a feed is left alone unless this is set;
    // then its .jvd files are replaced.
    bool replace = false;
    std::function<void(int done, int total)> progress;
};

struct DemoSummary {
    int files = 0;
    long long raRecords = 0, seRecords = 0, hrRecords = 0, umRecords = 0;
    long long o1Records = 0, o2Records = 0, h1Records = 0;  // final odds and vote counts of the set-up
    long long records() const {
        return raRecords + seRecords + hrRecords + umRecords + o1Records + o2Records + h1Records;
    }
    long long bytes = 0;
    // The live files of the newest race day (live_day_feed.h), besides the above.
    int liveFiles = 0;
    long long liveBytes = 0;
    int firstDate = 0, lastDate = 0;  // yyyymmdd of the first and last race day
    int raceDays = 0;
    int races = 0, outsideRaces = 0;
    int horses = 0;  // horses that ran
    int oddsArchives = 0;
};

struct DemoResult {
    std::string error;  // empty on success
    DemoSummary summary;
    bool ok() const { return error.empty(); }
};

// Never throws; an unusable folder or bad options give an error text.
DemoResult generateDemoFeed(const DemoOptions& options);

}  // namespace vantor::demo
