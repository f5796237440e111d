#pragma once
// "results": the real-time results of one race day (JVRTOpen "0B12"),
// every record of every delivered file in one feed file
// <feed>/realtime/<yyyymmdd>/<now>_0B12.jvd. A fetch delivers the day's
// whole current state, so the new file replaces the day's earlier ones.
// Like an acquisition, the folder changes only when the fetch succeeded.

#include <filesystem>
#include <string>

#include "bridge_io.h"
#include "jvlink/jvlink.h"

namespace vantor::jvbridge {

struct ResultsRequest {
    std::filesystem::path feedDir;
    std::string date;  // "yyyymmdd"
    std::string sid;
};

// 0 when the file was written or JV-Link had nothing; 1 on any error.
int runResults(JVLink& link, const ResultsRequest& request, const BridgeIo& io);

}  // namespace vantor::jvbridge
