#pragma once
// One fetch of the race day's live data: opens JV-Link's real-time service
// for a dataspec and key, reads the whole answer, closes, and files it
// (live_files.h). JVClose follows every open, also one that answered -1
// (nothing announced yet) or failed. The caller holds the writer lock.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/live_record_checks.h"
#include "store/store_paths.h"

namespace vantor {

class JVLink;

struct LiveFetchOutcome {
    int openResult = 0;  // JVRTOpen's result; -1 is nothing announced yet, not a failure
    int readResult = 0;  // JVRead's last result: 0 when the whole answer was read
    int records = 0;     // records read
    int filesWritten = 0;
    std::vector<LiveSkip> skipped;          // records not filed, by kind and reason
    std::optional<std::string> storeError;  // a store file that could not be read or written (UTF-8)

    bool failed() const { return (openResult != 0 && openResult != -1) || readResult < 0 || storeError; }
};

// The dataspec of JVRTOpen for dataspec ("0B11", ...).
std::string_view dataspecText(LiveDataspec dataspec);

// key: the day "yyyymmdd" for weights and day changes, a race key for odds
// and the time series. pump runs between reads.
LiveFetchOutcome fetchLive(JVLink& link, const StorePaths& paths, LiveDataspec dataspec, std::string_view key,
                           const std::function<void()>& pump);

}  // namespace vantor
