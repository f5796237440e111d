#include "jvlink/live_fetch.h"

#include "jvlink/jvlink.h"
#include "store/live_files.h"

namespace vantor {

std::string_view dataspecText(LiveDataspec dataspec) {
    switch (dataspec) {
        case LiveDataspec::weights:
            return jv::kWeightsDataSpec;
        case LiveDataspec::dayChanges:
            return jv::kDayChangesDataSpec;
        case LiveDataspec::odds:
            return jv::kOddsDataSpec;
        case LiveDataspec::winOddsSeries:
            break;
    }
    return jv::kWinOddsSeriesDataSpec;
}

LiveFetchOutcome fetchLive(JVLink& link, LiveFiler& filer, LiveDataspec dataspec, SjisView key,
                           const std::function<void()>& pump) {
    LiveFetchOutcome out;
    pump();
    out.openResult = link.JVRTOpen(dataspecText(dataspec), key.bytes());
    // The answer's records one after the other, each with its CR LF, and
    // where each ends: one buffer for the whole answer, which the filer keeps.
    LiveAnswer answer;
    if (out.openResult == jv::kOk) {
        int size = 110000;  // above the longest record (O6, 83,285 bytes)
        std::string buffer, fileName;
        buffer.reserve(static_cast<std::size_t>(size));  // as a caller of JV-Link hands it a buffer of that size
        for (;;) {
            pump();
            buffer.clear();
            const int r = link.JVRead(buffer, size, fileName);
            if (r > 0) {
                answer.bytes += buffer;
                answer.ends.push_back(answer.bytes.size());
            } else if (r == jv::kEndOfAll || r < jv::kDownloading) {
                out.readResult = r;
                break;
            }
        }
    }
    link.JVClose();
    out.records = static_cast<int>(answer.ends.size());
    if (out.openResult != jv::kOk) return out;

    LiveSkips skips;
    filer.add(dataspec, std::move(answer), out.readResult == jv::kEndOfAll, skips);
    out.skipped.assign(skips.entries().begin(), skips.entries().end());
    return out;
}

}  // namespace vantor
