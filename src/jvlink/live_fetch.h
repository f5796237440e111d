#pragma once
// One fetch of the race day's live data: opens JV-Link's real-time service
// for a dataspec and key, reads the whole answer, closes, and hands it to
// the day's filer (live_files.h), which writes the answers of a day's
// fetches together. JVClose follows every open, also one that answered -1
// (nothing announced yet) or failed.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "store/live_record_checks.h"

namespace vantor {

class JVLink;
class LiveFiler;

struct LiveFetchOutcome {
    int openResult = 0;             // JVRTOpen's result; -1 is nothing announced yet, not a failure
    int readResult = 0;             // JVRead's last result: 0 when the whole answer was read
    int records = 0;                // records read
    std::vector<LiveSkip> skipped;  // records not filed, by kind and reason

    bool failed() const { return (openResult != 0 && openResult != -1) || readResult < 0; }
};

// The dataspec of JVRTOpen for dataspec ("0B11", ...).
std::string_view dataspecText(LiveDataspec dataspec);

// key: the day "yyyymmdd" for weights and day changes, a race key for odds
// and the time series; filer is the day's. pump runs between reads.
LiveFetchOutcome fetchLive(JVLink& link, LiveFiler& filer, LiveDataspec dataspec, SjisView key,
                           const std::function<void()>& pump);

}  // namespace vantor
