#include "jvlink/feed_jvlink.h"

#include <algorithm>
#include <cstdlib>

#include "codes/calendar.h"
#include "jvlink/realtime_opens.h"

namespace vantor {
namespace fs = std::filesystem;
namespace {

std::chrono::milliseconds steadyNow() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

// A copy in the cache is current when it has the feed file's size and
// modification time (the copy takes the time over): fixed-length records
// make a corrected file of the same size the rule, not the exception.
bool alreadyCached(FeedStorage& storage, const fs::path& source, const fs::path& cached) {
    const std::optional<FeedStorage::FileStamp> copy = storage.stampOf(cached);
    return copy && copy == storage.stampOf(source);
}

}  // namespace

FeedJVLink::FeedJVLink(FeedSettings settings, Clock clock, FeedStorage& storage)
    : settings_(std::move(settings)), clock_(clock ? std::move(clock) : Clock(steadyNow)), storage_(storage) {
    loadFaultPlan();
    loadJapanClock();
}

void FeedJVLink::loadJapanClock() {
    auto clock = environmentJapanClock();
    if (const std::string* error = std::get_if<std::string>(&clock)) {
        clockError_ = *error;
        clock = systemJapanClock();
    }
    setClockSource(std::get<JapanClockSource>(std::move(clock)));
}

void FeedJVLink::setClockSource(JapanClockSource clock) {
    japanClock_ = [clock = std::move(clock)] { return japanTimeStamp(clock()); };
}

void FeedJVLink::loadFaultPlan() {
    if (const char* env = std::getenv("VANTOR_JVLINK_FAULTS")) {
        if (auto err = faults_.parse(env)) faultPlanError_ = "VANTOR_JVLINK_FAULTS: " + *err;
    }
    std::string text;
    if (storage_.read(settings_.feedDir / feed::kFaultFile, text)) {
        if (auto err = faults_.parse(text)) faultPlanError_ = std::string(feed::kFaultFile) + ": " + *err;
    }
}

std::string FeedJVLink::folderProblem() const {
    if (!refused_.empty()) return refused_;
    const fs::path& folder = settings_.feedDir;
    // Listing fails for a missing path, a file and a folder that cannot be read.
    std::vector<FeedStorage::Entry> entries;
    if (storage_.list(folder, entries)) return {};
    return "フィードフォルダ " + folder.string() + " がないか、読み込めません。";
}

std::string FeedJVLink::sourceProblem() const {
    std::string problem = folderProblem();
    return problem.empty() ? clockError_ : problem;
}

int FeedJVLink::JVInit(std::string_view sid) {
    if (auto f = faults_.onCall("JVInit")) return *f;
    if (sid.empty()) return jv::kSidEmpty;
    if (sid.size() >= 64) return jv::kSidTooLong;
    if (sid.front() == ' ') return jv::kSidLeadingBlank;
    initialised_ = true;
    return jv::kOk;
}

int FeedJVLink::JVSetUIProperties() {
    // A feed folder has no settings window of its own: the program's
    // JV-Link settings choose the folder.
    if (auto f = faults_.onCall("JVSetUIProperties")) return *f;
    return jv::kOk;
}

int FeedJVLink::JVOpen(std::string_view dataspec, std::string_view fromtime, int option, int& readcount,
                       int& downloadcount, std::string& lastfiletimestamp) {
    if (auto f = faults_.onCall("JVOpen")) return *f;
    if (!initialised_) return jv::kNotInitialised;
    if (open_) return jv::kStillOpen;
    if (dataspec != jv::kAcquisitionDataSpec) return jv::kBadDataSpec;
    if (!isValidTimeStamp(fromtime)) return jv::kBadFromTime;
    if (option != jv::kOptionNormal && option != jv::kOptionSetup) return jv::kBadOption;
    // A missing feed folder is a setting to mend, not "nothing newer".
    if (!folderProblem().empty()) return jv::kBadSettings;

    std::vector<FeedFile> chosen;
    unusable_.clear();
    // The files of a folder that the open delivers; those of them that
    // cannot be read are named in unusable_ instead.
    const auto take = [&](std::string_view folder, const auto& delivered) {
        std::vector<FeedFile> unreadable;
        for (auto& f : listFeedFiles(settings_.feedDir / folder, &unreadable, storage_))
            if (delivered(f)) chosen.push_back(std::move(f));
        for (auto& f : unreadable)
            if (delivered(f)) unusable_.push_back(std::move(f.name));
    };
    if (option == jv::kOptionSetup) {
        // Set-up data: every set-up file from the start date on.
        const std::string_view fromDate = fromtime.substr(0, 8);
        take(feed::kSetupDir, [&](const FeedFile& f) { return std::string_view(f.stamp).substr(0, 8) >= fromDate; });
    }
    take(feed::kNormalDir, [&](const FeedFile& f) { return f.stamp > fromtime; });
    std::sort(unusable_.begin(), unusable_.end());
    if (chosen.empty()) return jv::kNoNewerData;
    std::stable_sort(chosen.begin(), chosen.end(),
                     [](const FeedFile& a, const FeedFile& b) { return a.stamp < b.stamp; });

    const fs::path cacheDir = settings_.feedDir / feed::kCacheDir;
    openedFiles_ = std::move(chosen);
    std::vector<Delivery> files;
    files.reserve(openedFiles_.size());
    for (const FeedFile& f : openedFiles_) {
        Delivery d{&f, cacheDir / f.name, false};
        // A cache name taken by something else: the file is read where it is.
        if (storage_.heldByOther(d.cached)) d.cached.clear();
        d.downloaded = d.cached.empty() || alreadyCached(storage_, f.path, d.cached);
        files.push_back(std::move(d));
    }
    startOpen(std::move(files));
    readcount = static_cast<int>(deliveries_.size());
    downloadcount = toDownload_;
    lastfiletimestamp = deliveries_.back().file->stamp;
    return jv::kOk;
}

int FeedJVLink::JVRTOpen(std::string_view dataspec, std::string_view key) {
    if (auto f = faults_.onCall("JVRTOpen")) return *f;
    if (!initialised_) return jv::kNotInitialised;
    if (open_) return jv::kStillOpen;
    if (const int refused = realtimeOpenRefusal(dataspec, key)) return refused;
    const RealtimeDataspec* known = realtimeDataspec(dataspec);
    const std::optional<RealtimeKey> parsed = parseRealtimeKey(key);
    if (!sourceProblem().empty()) return jv::kBadSettings;
    std::vector<Delivery> files;
    for (const FeedFile* f :
         realtimeIndex(parsed->day).delivery(known->dataspec, *parsed, japanClock_(), known->snapshot))
        files.push_back({f, {}, true});
    // Nothing announced yet still opens the session: only JVClose ends it.
    startOpen(std::move(files));
    return deliveries_.empty() ? jv::kNoNewerData : jv::kOk;
}

const RealtimeIndex& FeedJVLink::realtimeIndex(std::string_view day) {
    // A race day's folder holds a file per announcement, and a day's fetch
    // opens it some seventy times: a listing is kept while the folder's
    // modification time stays. Within two seconds of a change the time may
    // not show the next one (its granularity), so such a folder is listed
    // again. The clock is the open's: a kept listing never decides what is
    // announced.
    using namespace std::chrono_literals;
    const fs::path folder = settings_.feedDir / feed::kRealtimeDir / day;
    const std::optional<fs::file_time_type> modified = storage_.folderModified(folder);
    Listing& l = realtimeListing_;
    if (!modified || l.folder != folder || l.modified != *modified || l.listedAt - *modified < 2s)
        l = {folder, modified.value_or(fs::file_time_type{}), fs::file_time_type::clock::now(),
             RealtimeIndex(listFeedFiles(folder, nullptr, storage_), day)};
    return l.index;
}

void FeedJVLink::startOpen(std::vector<Delivery> files) {
    deliveries_ = std::move(files);
    toDownload_ = 0;
    for (const auto& d : deliveries_) toDownload_ += d.downloaded ? 0 : 1;
    open_ = true;
    cancelled_ = false;
    downloadFailed_ = false;
    openedAt_ = clock_();
    current_ = 0;
    currentLoaded_ = false;
    nextRecord_ = 0;
}

bool FeedJVLink::advanceDownload() {
    if (downloadFailed_) return false;
    const int done = downloadedCount();
    if (done == toDownload_) return true;
    long long due = toDownload_;
    if (settings_.paceMs > 0) due = (clock_() - openedAt_).count() / settings_.paceMs;
    int copied = done;
    for (auto& d : deliveries_) {
        if (copied >= due) break;
        if (d.downloaded) continue;
        if (!storage_.copyWithTime(d.file->path, d.cached)) {
            downloadFailed_ = true;
            return false;
        }
        d.downloaded = true;
        ++copied;
    }
    return true;
}

int FeedJVLink::downloadedCount() const {
    int pending = 0;
    for (const auto& d : deliveries_) pending += d.downloaded ? 0 : 1;
    return toDownload_ - pending;
}

int FeedJVLink::JVStatus() {
    if (auto f = faults_.onCall("JVStatus")) return *f;
    if (!initialised_) return jv::kNotInitialised;
    if (!open_) return jv::kNotOpen;
    if (!cancelled_ && !advanceDownload()) return jv::kDownloadFailed;
    return downloadedCount();
}

int FeedJVLink::JVRead(std::string& buff, int& size, std::string& filename) {
    (void)size;  // records are handed over whole, whatever buffer size the caller names
    if (auto f = faults_.onCall("JVRead")) return *f;
    if (!initialised_) return jv::kNotInitialised;
    if (!open_ || cancelled_) return jv::kNotOpen;
    return readNext(buff, filename);
}

int FeedJVLink::readNext(std::string& buff, std::string& filename) {
    if (current_ >= deliveries_.size()) return jv::kEndOfAll;
    Delivery& d = deliveries_[current_];
    filename = d.file->name;
    if (!d.downloaded) {
        if (!advanceDownload()) return jv::kDownloadFailed;
        if (!d.downloaded) return jv::kDownloading;
    }
    if (!currentLoaded_) {
        if (!storage_.read(d.readFrom(), content_)) return jv::kFileNotFound;
        splitRecords(content_, records_);
        nextRecord_ = 0;
        currentLoaded_ = true;
    }
    if (nextRecord_ < records_.size()) {
        const std::string_view rec = records_[nextRecord_++];
        buff.assign(rec);
        buff += "\r\n";
        return static_cast<int>(buff.size());
    }
    // This file is done: move on, telling the caller, or end after the last.
    currentLoaded_ = false;
    content_.clear();
    records_.clear();
    ++current_;
    return current_ < deliveries_.size() ? jv::kFileSwitched : jv::kEndOfAll;
}

void FeedJVLink::JVCancel() {
    faults_.onCall("JVCancel");
    if (open_) cancelled_ = true;
}

int FeedJVLink::JVClose() {
    if (auto f = faults_.onCall("JVClose")) return *f;
    open_ = false;
    cancelled_ = false;
    deliveries_.clear();
    openedFiles_.clear();
    content_.clear();
    records_.clear();
    return jv::kOk;
}

}  // namespace vantor
