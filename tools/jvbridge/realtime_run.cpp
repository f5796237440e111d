#include "realtime_run.h"

#include <vector>

#include "jv_calls.h"
#include "jvlink/feed_folder.h"
#include "path_text.h"
#include "read_loop.h"
#include "staged_feed_files.h"

namespace vantor::jvbridge {
namespace fs = std::filesystem;
namespace {

// The record buffer size JVRead is told for a real-time fetch (the longest
// record, O6, is some 83 KB).
constexpr int kReadBufferSize = 100000;

// Stages the records of every delivered file into one file; returns the
// number of records, or -1 (reported) on an error.
int stageRecords(JVLink& link, StagedFeedFiles& staged, const std::string& fileName, const BridgeIo& io) {
    if (auto err = staged.prepare()) {
        io.complain(*err);
        return -1;
    }
    int records = 0;
    const ReadSink sink{[&](std::string_view record, std::string_view) -> std::optional<std::string> {
                            if (records++ == 0)
                                if (auto err = staged.startFile(fileName)) return err;
                            return staged.appendRecord(record);
                        },
                        [] { return std::optional<std::string>(); }};
    const ReadOutcome outcome = readAll(link, kReadBufferSize, sink, io);
    if (outcome.sinkError) io.complain(*outcome.sinkError);
    if (outcome.result != jv::kEndOfAll) io.complain(jvErrorText("JVRead", outcome.result));
    return outcome.ok() ? records : -1;
}

// Removes the files of the same answer stamped before keptStamp.
void removeSuperseded(const fs::path& folder, const RealtimeAnswerName& answer, std::string_view keptStamp,
                      const BridgeIo& io) {
    std::vector<fs::path> superseded;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const std::string_view stamp = answer.stampOf(name);
        if (!stamp.empty() && stamp < keptStamp) superseded.push_back(it->path());
    }
    for (const fs::path& path : superseded)
        if (!fs::remove(path, ec) && ec) io.complain("cannot remove the older file " + utf8Text(path));
}

}  // namespace

RealtimeRequest realtimeRequest(fs::path feedDir, std::string dataspec, std::string key, std::string sid) {
    return {std::move(feedDir), {std::move(dataspec), std::move(key), false}, std::move(sid)};
}

RealtimeRequest resultsRequest(fs::path feedDir, std::string date, std::string sid) {
    return {std::move(feedDir), {std::string(jv::kResultsDataSpec), std::move(date), true}, std::move(sid)};
}

int runRealtime(JVLink& link, const RealtimeRequest& request, const BridgeIo& io) {
    const RealtimeAnswerName& answer = request.answer;
    const std::string nothing = answer.resultsForm ? "no results for " + answer.key
                                                   : "nothing announced yet for " + answer.dataspec + " " + answer.key;
    if (!initialise(link, request.sid, io)) return 1;
    const int opened = link.JVRTOpen(answer.dataspec, answer.key);
    if (opened == jv::kNoNewerData) {
        io.say(nothing);
        return close(link, io) ? 0 : 1;
    }
    if (opened != jv::kOk) {
        io.complain(jvErrorText("JVRTOpen", opened));
        close(link, io);
        return 1;
    }
    const fs::path folder = request.feedDir / std::string(feed::kRealtimeDir) / answer.key.substr(0, 8);
    const std::string stamp = io.now();
    StagedFeedFiles staged(folder);
    const int records = stageRecords(link, staged, answer.at(stamp), io);
    if (!close(link, io) || records < 0) return 1;
    if (records == 0) {
        io.say(nothing);
        return 0;
    }
    if (auto err = staged.publish()) {
        io.complain(*err);
        return 1;
    }
    removeSuperseded(folder, answer, stamp, io);
    io.say(std::to_string(records) + " records written to " + utf8Text(folder / answer.at(stamp)));
    return 0;
}

}  // namespace vantor::jvbridge
