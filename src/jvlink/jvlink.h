#pragma once
// The JV-Link operations the program calls, with the result codes it
// branches on. Texts are Shift-JIS bytes: a record handed over by JVRead is
// exactly the bytes of the delivered record, CR LF included.

#include <string>
#include <string_view>
#include <vector>

namespace vantor {

namespace jv {
inline constexpr int kOk = 0;
inline constexpr int kNoNewerData = -1;   // JVOpen / JVRTOpen: nothing newer
inline constexpr int kEndOfAll = 0;       // JVRead: every file read
inline constexpr int kFileSwitched = -1;  // JVRead: moved to the next file
inline constexpr int kNoRecordNow = -2;   // JVRead: call again
inline constexpr int kDownloading = -3;   // JVRead: next file not downloaded yet
inline constexpr int kSettingsNotSaved = -100;
inline constexpr int kSidEmpty = -101;
inline constexpr int kSidTooLong = -102;
inline constexpr int kSidLeadingBlank = -103;
inline constexpr int kBadDataSpec = -111;
inline constexpr int kBadFromTime = -112;
inline constexpr int kBadKey = -114;
inline constexpr int kBadOption = -115;
inline constexpr int kNotInitialised = -201;
inline constexpr int kStillOpen = -202;
inline constexpr int kNotOpen = -203;
inline constexpr int kBadSettings = -211;  // JV-Link's own settings are unusable
inline constexpr int kInternalError = -401;
inline constexpr int kBadFileContent = -403;
inline constexpr int kDownloadFailed = -502;
inline constexpr int kFileNotFound = -503;

inline constexpr std::string_view kAcquisitionDataSpec = "RACEDIFN";
inline constexpr std::string_view kResultsDataSpec = "0B12";
// The race day's live data through JVRTOpen: body weights (WH), the day's
// scratches, jockey, post-time and course changes and weather (AV, JC, TC,
// CC, WE), odds of every bet (O1-O6) and the win-odds time series (O1).
inline constexpr std::string_view kWeightsDataSpec = "0B11";
inline constexpr std::string_view kDayChangesDataSpec = "0B14";
inline constexpr std::string_view kOddsDataSpec = "0B30";
inline constexpr std::string_view kWinOddsSeriesDataSpec = "0B41";
inline constexpr int kOptionNormal = 1;
inline constexpr int kOptionSetup = 3;
}  // namespace jv

class JVLink {
public:
    virtual ~JVLink() = default;

    virtual int JVInit(std::string_view sid) = 0;
    // Four digits such as "0490".
    virtual std::string version() const = 0;
    virtual int JVSetUIProperties() = 0;
    // fromtime "yyyymmddhhnnss"; option 1 normal, 3 set-up data.
    virtual int JVOpen(std::string_view dataspec, std::string_view fromtime, int option, int& readcount,
                       int& downloadcount, std::string& lastfiletimestamp) = 0;
    virtual int JVStatus() = 0;
    // Above 0: buff holds one record and the result is its length.
    virtual int JVRead(std::string& buff, int& size, std::string& filename) = 0;
    virtual void JVCancel() = 0;
    virtual int JVClose() = 0;
    // key: a race day "yyyymmdd", or a race "yyyymmddJJKKHHRR" or
    // "yyyymmddJJRR", as the dataspec takes it (-114 otherwise). -1 means
    // nothing announced yet; the session is open then too, until JVClose.
    virtual int JVRTOpen(std::string_view dataspec, std::string_view key) = 0;
    // The files the last JVOpen left out because they cannot be read (a
    // folder or a broken link named like a data file); the replacement's
    // own report, empty for JV-Link itself.
    virtual std::vector<std::string> unusableFiles() const { return {}; }
    // What the link knows beyond a failed call's code (UTF-8): a feed
    // folder that is missing, the last words of a bridge that ended; empty
    // for JV-Link itself, whose code says all it can.
    virtual std::string sourceProblem() const { return {}; }
};

}  // namespace vantor
