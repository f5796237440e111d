#pragma once
// The JV-Link replacement: serves JV-Data records from a feed folder (see
// feed_folder.h) with JV-Link's call order and result codes.
//
// Download is simulated: files of an open that are not yet in <feed>/cache
// are copied there one by one, at `paceMs` milliseconds per file (0 copies
// them at once), as JVStatus or JVRead are called. Records are read only
// from the cache. Real-time files are read where they are.
//
// Real-time opens ("0B11", "0B12", "0B14", "0B30", "0B41") serve the files
// of realtime/<day>/ (feed_folder.h) whose announce time, the stamp of
// their name, is at or before the replacement's Japan-time clock: the
// system clock, or a clock that starts at the Japan time named by the
// environment variable VANTOR_JVLINK_CLOCK ("yyyymmddhhnnss") when the
// replacement is made and runs on from there, so that a past race day can
// be replayed; tests set their own. As on JV-Link, an open that answers -1
// (nothing announced yet) still holds the session until JVClose.
//
// Fault injection: see fault_plan.h. The plan is read from the environment
// variable VANTOR_JVLINK_FAULTS and from <feed>/faults.txt when the
// replacement is made; tests may add faults through faults().

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "jvlink/fault_plan.h"
#include "jvlink/feed_folder.h"
#include "jvlink/feed_storage.h"
#include "jvlink/japan_clock.h"
#include "jvlink/jvlink.h"
#include "jvlink/realtime_index.h"

namespace vantor {

struct FeedSettings {
    std::filesystem::path feedDir;
    int paceMs = 0;                // simulated download time per file
    std::string version = "0490";  // the version property
};

class FeedJVLink : public JVLink {
public:
    using Clock = std::function<std::chrono::milliseconds()>;
    // Japan time now as "yyyymmddhhnnss".
    using JapanClock = std::function<std::string()>;

    // storage: where the feed folder lies, the disk unless a test or a fuzz
    // target holds it in memory.
    explicit FeedJVLink(FeedSettings settings, Clock clock = {}, FeedStorage& storage = diskFeedStorage());

    const FeedSettings& settings() const { return settings_; }
    FaultPlan& faults() { return faults_; }
    // An error text when the fault plan of the environment or the feed
    // folder could not be read completely.
    const std::optional<std::string>& faultPlanError() const { return faultPlanError_; }
    void setJapanClock(JapanClock clock) { japanClock_ = std::move(clock); }
    // The clock as a moment: a replay (japan_clock.h) that a live run shares.
    void setClockSource(JapanClockSource clock);
    // A feed folder that must not be used as it stands: every open fails
    // with JV-Link's "settings unusable" and sourceProblem() says why.
    void refuseFeed(std::string why) { refused_ = std::move(why); }

    int JVInit(std::string_view sid) override;
    std::string version() const override { return settings_.version; }
    int JVSetUIProperties() override;
    int JVOpen(std::string_view dataspec, std::string_view fromtime, int option, int& readcount, int& downloadcount,
               std::string& lastfiletimestamp) override;
    int JVStatus() override;
    int JVRead(std::string& buff, int& size, std::string& filename) override;
    void JVCancel() override;
    int JVClose() override;
    int JVRTOpen(std::string_view dataspec, std::string_view key) override;
    std::vector<std::string> unusableFiles() const override { return unusable_; }
    std::string sourceProblem() const override;

private:
    // A file of the open session. The file lies in openedFiles_ or in the
    // real-time index, which only an open replaces, and an open only when
    // no session is open.
    struct Delivery {
        const FeedFile* file;
        std::filesystem::path cached;  // its copy in the cache; empty: the file is read where it is
        bool downloaded = false;
        const std::filesystem::path& readFrom() const { return cached.empty() ? file->path : cached; }
    };

    void loadFaultPlan();
    void loadJapanClock();
    // The feed files of the real-time folder of day, listed and indexed
    // again only when the folder may have changed since the last listing.
    const RealtimeIndex& realtimeIndex(std::string_view day);
    std::string folderProblem() const;
    void startOpen(std::vector<Delivery> files);
    // Copies due files into the cache; false when a copy failed.
    bool advanceDownload();
    int downloadedCount() const;
    // Reads the next record into buff; one of the JVRead results.
    int readNext(std::string& buff, std::string& filename);

    FeedSettings settings_;
    Clock clock_;
    FeedStorage& storage_;
    JapanClock japanClock_;
    std::string clockError_;  // a VANTOR_JVLINK_CLOCK that is no time stamp (UTF-8)
    FaultPlan faults_;
    std::optional<std::string> faultPlanError_;
    std::string refused_;

    bool initialised_ = false;
    bool open_ = false;
    bool cancelled_ = false;
    bool downloadFailed_ = false;
    std::chrono::milliseconds openedAt_{0};
    std::vector<FeedFile> openedFiles_;  // JVOpen's files
    std::vector<Delivery> deliveries_;
    std::vector<std::string> unusable_;  // names JVOpen left out
    struct Listing {
        std::filesystem::path folder;
        std::filesystem::file_time_type modified, listedAt;
        RealtimeIndex index;
    };
    Listing realtimeListing_;
    int toDownload_ = 0;
    std::size_t current_ = 0;  // index of the file being read
    bool currentLoaded_ = false;
    std::string content_;
    std::vector<std::string_view> records_;
    std::size_t nextRecord_ = 0;
};

}  // namespace vantor
