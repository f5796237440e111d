#include "jvlink/feed_jvlink.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "codes/calendar.h"
#include "jvlink/realtime_opens.h"

namespace vantor {
namespace fs = std::filesystem;
namespace {

std::chrono::milliseconds steadyNow() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

// Read in one piece of the file's own size: a feed file runs to megabytes,
// and the whole of it is held while its records are read. (The fake
// JV-Link builds this for Windows too, so only the standard library.)
bool readFeedFile(const fs::path& path, std::string& out) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return false;
    const std::uintmax_t size = fs::file_size(path, ec);
    std::ifstream in(path, std::ios::binary);
    if (ec || !in) return false;
    out.resize(static_cast<std::size_t>(size));
    in.read(out.data(), static_cast<std::streamsize>(size));
    out.resize(static_cast<std::size_t>(in.gcount()));  // a file that shrank meanwhile
    return !in.bad();
}

// A copy in the cache is current when it has the feed file's size and
// modification time (the copy takes the time over): fixed-length records
// make a corrected file of the same size the rule, not the exception.
bool alreadyCached(const fs::path& source, const fs::path& cached) {
    std::error_code ec1, ec2, ec3, ec4;
    return fs::is_regular_file(cached, ec1) && fs::is_regular_file(source, ec2) &&
           fs::file_size(cached, ec1) == fs::file_size(source, ec2) &&
           fs::last_write_time(cached, ec3) == fs::last_write_time(source, ec4) && !ec1 && !ec2 && !ec3 && !ec4;
}

// True when something other than a plain file holds the cache's name for a
// feed file (a folder, a pipe, a link): it is never copied over.
bool cacheSlotTaken(const fs::path& cached) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(cached, ec);
    return fs::exists(status) && !fs::is_regular_file(status);
}

// Copies through a temporary name so that an interrupted copy never looks
// like a finished download. What holds the temporary name is removed, not
// written through: a link there would lead the copy outside the folder,
// and the copy itself only creates a new file.
bool copyIntoCache(const fs::path& source, const fs::path& cached) {
    std::error_code ec;
    if (!fs::is_regular_file(source, ec)) return false;
    fs::create_directories(cached.parent_path(), ec);
    const fs::path temp = cached.string() + ".part";
    fs::remove(temp, ec);
    fs::copy_file(source, temp, fs::copy_options::none, ec);
    const fs::file_time_type modified = ec ? fs::file_time_type{} : fs::last_write_time(source, ec);
    if (!ec) fs::last_write_time(temp, modified, ec);
    if (!ec) fs::rename(temp, cached, ec);
    if (ec) fs::remove(temp, ec);
    return !ec;
}

}  // namespace

FeedJVLink::FeedJVLink(FeedSettings settings, Clock clock)
    : settings_(std::move(settings)), clock_(clock ? std::move(clock) : Clock(steadyNow)) {
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
    if (readFeedFile(settings_.feedDir / feed::kFaultFile, text)) {
        if (auto err = faults_.parse(text)) faultPlanError_ = std::string(feed::kFaultFile) + ": " + *err;
    }
}

std::string FeedJVLink::folderProblem() const {
    if (!refused_.empty()) return refused_;
    const fs::path& folder = settings_.feedDir;
    // Listing fails for a missing path, a file and a folder that cannot be read.
    std::error_code error;
    const fs::directory_iterator listing(folder, error);
    if (!error) return {};
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
        for (auto& f : listFeedFiles(settings_.feedDir / folder, &unreadable))
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
    std::vector<Delivery> files;
    files.reserve(chosen.size());
    for (auto& f : chosen) {
        fs::path cached = cacheDir / f.name;
        Delivery d{std::move(f), std::move(cached), false};
        // A cache name taken by something else: the file is read where it is.
        if (cacheSlotTaken(d.readFrom)) d.readFrom = d.file.path;
        d.downloaded = d.readFrom == d.file.path || alreadyCached(d.file.path, d.readFrom);
        files.push_back(std::move(d));
    }
    startOpen(std::move(files));
    readcount = static_cast<int>(deliveries_.size());
    downloadcount = toDownload_;
    lastfiletimestamp = deliveries_.back().file.stamp;
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
    for (auto& f : realtimeDelivery(realtimeFiles(settings_.feedDir / feed::kRealtimeDir / parsed->day), known->dataspec,
                                    *parsed, japanClock_(), known->snapshot)) {
        fs::path path = f.path;
        files.push_back({std::move(f), std::move(path), true});
    }
    // Nothing announced yet still opens the session: only JVClose ends it.
    startOpen(std::move(files));
    return deliveries_.empty() ? jv::kNoNewerData : jv::kOk;
}

const std::vector<FeedFile>& FeedJVLink::realtimeFiles(const fs::path& folder) {
    // A race day's folder holds a file per announcement, and a day's fetch
    // opens it some seventy times: a listing is kept while the folder's
    // modification time stays. Within two seconds of a change the time may
    // not show the next one (its granularity), so such a folder is listed
    // again.
    using namespace std::chrono_literals;
    std::error_code ec;
    const fs::file_time_type modified = fs::last_write_time(folder, ec);
    Listing& l = realtimeListing_;
    if (ec || l.folder != folder || l.modified != modified || l.listedAt - modified < 2s)
        l = {folder, modified, fs::file_time_type::clock::now(), listFeedFiles(folder)};
    return l.files;
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
        if (!copyIntoCache(d.file.path, d.readFrom)) {
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
    filename = d.file.name;
    if (!d.downloaded) {
        if (!advanceDownload()) return jv::kDownloadFailed;
        if (!d.downloaded) return jv::kDownloading;
    }
    if (!currentLoaded_) {
        if (!readFeedFile(d.readFrom, content_)) return jv::kFileNotFound;
        records_ = splitRecords(content_);
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
    content_.clear();
    records_.clear();
    return jv::kOk;
}

}  // namespace vantor
