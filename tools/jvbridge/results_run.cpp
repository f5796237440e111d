#include "results_run.h"

#include <vector>

#include "feed_file_naming.h"
#include "jv_calls.h"
#include "jvlink/feed_folder.h"
#include "path_text.h"
#include "read_loop.h"
#include "staged_feed_files.h"

namespace vantor::jvbridge {
namespace fs = std::filesystem;
namespace {

// The record buffer size JVRead is told for a results fetch.
constexpr int kReadBufferSize = 60000;

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

// Removes the results files of the folder stamped before keptStamp.
void removeSupersededResults(const fs::path& folder, std::string_view keptStamp, const BridgeIo& io) {
    std::vector<fs::path> superseded;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const std::string_view stamp = resultsFileStamp(name);
        if (!stamp.empty() && stamp < keptStamp) superseded.push_back(it->path());
    }
    for (const fs::path& path : superseded)
        if (!fs::remove(path, ec) && ec) io.complain("cannot remove the older results file " + utf8Text(path));
}

}  // namespace

int runResults(JVLink& link, const ResultsRequest& request, const BridgeIo& io) {
    if (!initialise(link, request.sid, io)) return 1;
    const int opened = link.JVRTOpen(jv::kResultsDataSpec, request.date);
    if (opened == jv::kNoNewerData) {
        io.say("no results for " + request.date);
        return close(link, io) ? 0 : 1;
    }
    if (opened != jv::kOk) {
        io.complain(jvErrorText("JVRTOpen", opened));
        close(link, io);
        return 1;
    }
    const fs::path folder = request.feedDir / std::string(feed::kRealtimeDir) / request.date;
    const std::string stamp = io.now();
    StagedFeedFiles staged(folder);
    const int records = stageRecords(link, staged, resultsFileName(stamp), io);
    if (!close(link, io) || records < 0) return 1;
    if (records == 0) {
        io.say("no results for " + request.date);
        return 0;
    }
    if (auto err = staged.publish()) {
        io.complain(*err);
        return 1;
    }
    removeSupersededResults(folder, stamp, io);
    io.say(std::to_string(records) + " records written to " + utf8Text(folder / resultsFileName(stamp)));
    return 0;
}

}  // namespace vantor::jvbridge
