#include "jvlink/live_fetch.h"

#include "jvlink/jvlink.h"
#include "store/live_files.h"
#include "store/store_image.h"

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

LiveFetchOutcome fetchLive(JVLink& link, const StorePaths& paths, LiveDataspec dataspec, std::string_view key,
                           const std::function<void()>& pump) {
    LiveFetchOutcome out;
    pump();
    out.openResult = link.JVRTOpen(dataspecText(dataspec), key);
    // The answer's records one after the other, each with its CR LF, and
    // where each ends: one buffer for the whole answer.
    std::string answer;
    std::vector<std::size_t> ends;
    if (out.openResult == jv::kOk) {
        int size = 110000;  // above the longest record (O6, 83,285 bytes)
        std::string buffer, fileName;
        buffer.reserve(static_cast<std::size_t>(size));  // as a caller of JV-Link hands it a buffer of that size
        for (;;) {
            pump();
            buffer.clear();
            const int r = link.JVRead(buffer, size, fileName);
            if (r > 0) {
                answer += buffer;
                ends.push_back(answer.size());
            } else if (r == jv::kEndOfAll || r < jv::kDownloading) {
                out.readResult = r;
                break;
            }
        }
    }
    link.JVClose();
    out.records = static_cast<int>(ends.size());
    if (out.openResult != jv::kOk) return out;

    std::vector<SjisView> records;
    records.reserve(ends.size());
    for (std::size_t i = 0, start = 0; i < ends.size(); start = ends[i++])
        records.push_back(SjisView(answer).substr(start, ends[i] - start));
    LiveFiler filer(paths, key.substr(0, 8));
    try {
        out.filesWritten = filer.file(dataspec, records, out.readResult == jv::kEndOfAll);
    } catch (const StoreError& e) {
        out.storeError = e.what();
    }
    const auto skips = filer.skips().entries();
    out.skipped.assign(skips.begin(), skips.end());
    return out;
}

}  // namespace vantor
