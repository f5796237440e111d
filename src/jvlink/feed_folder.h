#pragma once
// The replacement's feed folder:
//   <feed>/setup/<yyyymmddhhnnss>_<name>.jvd          set-up data
//   <feed>/normal/<yyyymmddhhnnss>_<name>.jvd         normal data
//   <feed>/realtime/<yyyymmdd>/<yyyymmddhhnnss>_<name>.jvd   real-time data of a race day
//       (<name> "<dataspec>_<key>", such as "0B30_2024052605021211": the dataspec
//       and key the file answers; any other name: the day's results, "0B12")
//   <feed>/cache/                                     files "downloaded" so far
// A .jvd file holds plain JV-Data records, one per line, CR LF.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codes/calendar.h"
#include "jvlink/feed_storage.h"

namespace vantor {

struct FeedFile {
    std::filesystem::path path;
    std::string name;   // file name without folder
    std::string stamp;  // the 14-digit time stamp of the name
};

namespace feed {
inline constexpr std::string_view kSetupDir = "setup";
inline constexpr std::string_view kNormalDir = "normal";
inline constexpr std::string_view kRealtimeDir = "realtime";
inline constexpr std::string_view kCacheDir = "cache";
inline constexpr std::string_view kFaultFile = "faults.txt";
}  // namespace feed

// True for "yyyymmddhhnnss" with a real date and time.
inline bool isValidTimeStamp(std::string_view stamp) { return isValidTimeStampText(stamp); }
// True for "yyyymmdd" with a real date.
inline bool isValidDate(std::string_view date) { return isValidDateText(date); }

// The .jvd entries of a folder in time-stamp order (then by name); names
// that do not start with a valid stamp and "_" are not feed files. A
// missing folder gives none. An entry named like a feed file that is no
// readable file (a folder, a pipe, a dangling or looping link) is left
// out and, when unusable is given, added there.
std::vector<FeedFile> listFeedFiles(const std::filesystem::path& folder, std::vector<FeedFile>* unusable = nullptr,
                                    FeedStorage& storage = diskFeedStorage());

// True when the feed folder holds no feed file at all.
bool feedIsEmpty(const std::filesystem::path& feedDir);

// A key as the real-time service takes it: a day "yyyymmdd", or a race in
// its 16-character form "yyyymmddJJKKHHRR" or its 12-character form
// "yyyymmddJJRR" (both name the same race: a racecourse holds one meeting a
// day). Race keys are kept by day, racecourse and race number only.
struct RealtimeKey {
    std::string day;     // yyyymmdd
    std::string course;  // JJ; empty for a day key
    std::string race;    // RR; empty for a day key

    bool isDay() const { return race.empty(); }
    friend bool operator==(const RealtimeKey&, const RealtimeKey&) = default;
};
// None for anything else (a date that does not exist, race number 00).
std::optional<RealtimeKey> parseRealtimeKey(std::string_view key);

// True for a real-time dataspec's form, "0B" and two digits.
bool isRealtimeDataspecName(std::string_view dataspec);

// What a real-time file's name says after its stamp: the dataspec ("0B"
// and two digits) and key it answers, "<stamp>_<dataspec>_<key>.jvd". A name
// that names no dataspec is the results of its folder's day ("0B12"); a key
// that cannot be read leaves the file to no open.
struct RealtimeFileName {
    std::string dataspec;
    std::optional<RealtimeKey> key;
};
RealtimeFileName realtimeFileName(const FeedFile& file, std::string_view day);

// Splits a file's bytes into records: each line without its line end,
// followed by CR LF. A last line without line end is still a record; a
// file's trailing line end does not make an empty record.
std::vector<std::string_view> splitRecords(std::string_view content);
// The same into lines, emptied first: a reader of many files keeps one.
void splitRecords(std::string_view content, std::vector<std::string_view>& lines);

}  // namespace vantor
