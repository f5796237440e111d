#pragma once
// "realtime" and "results": one JVRTOpen of a dataspec and key, every
// record of every delivered file in one feed file of
// <feed>/realtime/<yyyymmdd>/ (the key's day), named after the dataspec and key
// (see feed_file_naming.h) and stamped with the fetch's Japan time, the
// clock the feed folder's reader serves by. A fetch delivers the answer's
// whole current state, so the new file replaces the earlier files of the
// same dataspec and key. Like an acquisition, the folder changes only when the
// fetch succeeded.

#include <filesystem>
#include <string>

#include "bridge_io.h"
#include "feed_file_naming.h"
#include "jvlink/jvlink.h"

namespace vantor::jvbridge {

struct RealtimeRequest {
    std::filesystem::path feedDir;
    RealtimeAnswerName answer;  // dataspec and key of the open, and the file's form
    std::string sid;
};

// An answer of dataspec and key, filed under its dataspec and key.
RealtimeRequest realtimeRequest(std::filesystem::path feedDir, std::string dataspec, std::string key, std::string sid);
// A day's results ("0B12" of date) as the results command has filed them.
RealtimeRequest resultsRequest(std::filesystem::path feedDir, std::string date, std::string sid);

// 0 when the file was written or JV-Link had nothing announced; 1 on any error.
int runRealtime(JVLink& link, const RealtimeRequest& request, const BridgeIo& io);

}  // namespace vantor::jvbridge
