#pragma once
// The feed folder of a simulated world: set-up files for everything before
// the last eight race weekends, one per month, with the final odds (O1, O2)
// of every JRA race and the vote counts (H1) of the month's first; for each
// of those weekends
// a Thursday entry-card file and a Monday result file as normal data
// (the last weekend's results only as real-time files); and real-time
// result files for each of their race days.
//
//   <out>/setup/<stamp>_RACE<yyyymm>.jvd
//   <out>/normal/<stamp>_CARD<yyyymmdd>.jvd, <stamp>_RESULT<yyyymmdd>.jvd
//   <out>/realtime/<yyyymmdd>/<stamp>_RT<yyyymmdd>.jvd

#include <filesystem>
#include <functional>
#include <string>

#include "demo/career_stats.h"
#include "demo/world.h"

namespace vantor::demo {

struct FeedLayout {
    int windowStart = 0;    // index of the first weekend with normal files
    int setupStampDay = 0;  // day number of the set-up files' time stamp (06:00)
    int outsideUntil = 0;   // races away from the JRA before this day number belong to the feed
};

// The layout of a calendar of at least two weekends.
FeedLayout feedLayout(const RaceCalendar& calendar);

struct FeedCounts {
    int files = 0;
    long long ra = 0, se = 0, hr = 0, um = 0, o1 = 0, o2 = 0, h1 = 0;
    long long bytes = 0;
};

class FeedWriter {
public:
    FeedWriter(const World& world, const FeedLayout& layout);

    int fileCount() const;
    // Writes every file, each through a temporary file renamed into place;
    // fileDone() after each. Returns an error text, empty on success.
    std::string write(const std::filesystem::path& out, FeedCounts& counts, const std::function<void()>& fileDone);

private:
    struct Bucket {
        int key = 0;  // yyyymm of a set-up month, or the weekend index
        std::vector<std::uint32_t> races;
    };

    std::string writeSetup(const Bucket& month, std::size_t index);
    std::string writeCard(int weekend);
    std::string writeResult(int weekend, const Bucket& bucket);
    std::string writeRealtime(int weekend);
    std::string save(const std::filesystem::path& folder, int stampDay, const char* time, const std::string& name);

    // counted: the runs enter the horses' records, as with final results.
    void appendRace(std::uint32_t raceIndex, char payoutKind, int makeDate, bool results, bool counted);
    void appendMaster(std::uint32_t horse, int makeDate, int day);
    // The final odds of a JRA race that was run, with its vote counts when asked.
    void appendFinalOdds(std::uint32_t raceIndex, int makeDate, bool votes);
    int resultDay(int weekend) const;

    const World& w_;
    FeedLayout layout_;
    std::filesystem::path out_;
    FeedCounts* counts_ = nullptr;
    std::function<void()> fileDone_;
    std::vector<Bucket> setup_;
    std::vector<Bucket> window_;  // one per weekend from layout_.windowStart
    std::vector<int> lastSetupBucket_;
    std::vector<std::uint8_t> masterSent_;
    std::vector<CareerStats> stats_;
    SjisString buffer_;  // the records of the file being written
};

}  // namespace vantor::demo
