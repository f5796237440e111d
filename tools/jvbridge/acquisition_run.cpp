#include "acquisition_run.h"

#include "feed_file_naming.h"
#include "jv_calls.h"
#include "jvlink/feed_folder.h"
#include "path_text.h"
#include "read_loop.h"
#include "staged_feed_files.h"

namespace vantor::jvbridge {
namespace {

// The record buffer size JVRead is told for an acquisition.
constexpr int kReadBufferSize = 6000;

// Waits until JV-Link has downloaded downloadCount files; false (reported)
// on a JVStatus error.
bool waitForDownload(JVLink& link, int downloadCount, const BridgeIo& io) {
    int shown = -1;
    for (;;) {
        const int done = link.JVStatus();
        if (done < 0) {
            io.complain(jvErrorText("JVStatus", done));
            return false;
        }
        if (done != shown) {
            io.progress("download " + std::to_string(done) + "/" + std::to_string(downloadCount));
            shown = done;
        }
        if (done >= downloadCount) return true;
        io.pause();
    }
}

// Stages one feed file per delivered file, named by the run's stamp and
// the delivery sequence.
class RunFileSink {
public:
    RunFileSink(StagedFeedFiles& staged, std::string stamp, int readCount, const BridgeIo& io)
        : staged_(staged), stamp_(std::move(stamp)), readCount_(readCount), io_(io) {}

    ReadSink sink() {
        return {[this](std::string_view record, std::string_view name) { return onRecord(record, name); },
                [this] { return onFileEnded(); }};
    }

private:
    std::optional<std::string> onRecord(std::string_view record, std::string_view name) {
        if (!inFile_) {
            if (sequence_ == kMaxSequence)
                return "more than " + std::to_string(kMaxSequence) + " files in one run; start from a later time";
            if (auto err = staged_.startFile(runFileName(stamp_, ++sequence_, name))) return err;
            io_.progress("read " + std::to_string(sequence_) + "/" + std::to_string(readCount_));
            inFile_ = true;
        }
        return staged_.appendRecord(record);
    }

    std::optional<std::string> onFileEnded() {
        inFile_ = false;
        return staged_.endFile();
    }

    StagedFeedFiles& staged_;
    std::string stamp_;
    int readCount_;
    const BridgeIo& io_;
    int sequence_ = 0;     // files started
    bool inFile_ = false;  // a record of the current file has been staged
};

// Everything between a successful JVOpen and JVClose; true when the
// delivery is staged whole.
bool readDelivery(JVLink& link, StagedFeedFiles& staged, const std::string& stamp, int readCount, int downloadCount,
                  const BridgeIo& io) {
    if (auto err = staged.prepare()) {
        io.complain(*err);
        return false;
    }
    if (downloadCount > 0 && !waitForDownload(link, downloadCount, io)) return false;
    RunFileSink files(staged, stamp, readCount, io);
    const ReadOutcome outcome = readAll(link, kReadBufferSize, files.sink(), io);
    if (outcome.sinkError) io.complain(*outcome.sinkError);
    if (outcome.result != jv::kEndOfAll) io.complain(jvErrorText("JVRead", outcome.result));
    return outcome.ok();
}

}  // namespace

int runAcquisition(JVLink& link, const AcquisitionRequest& request, const BridgeIo& io) {
    if (!initialise(link, request.sid, io)) return 1;
    int readCount = 0;
    int downloadCount = 0;
    std::string lastFileTimestamp;
    const int opened =
        link.JVOpen(jv::kAcquisitionDataSpec, request.fromTime, request.setup ? jv::kOptionSetup : jv::kOptionNormal,
                    readCount, downloadCount, lastFileTimestamp);
    if (opened == jv::kNoNewerData || (opened == jv::kOk && readCount == 0)) {
        io.say("nothing newer than " + request.fromTime);
        return close(link, io) ? 0 : 1;
    }
    if (opened != jv::kOk) {
        io.complain(jvErrorText("JVOpen", opened));
        close(link, io);
        return 1;
    }
    // Every file of the run is named by the run's stamp, which a reader
    // takes as the start of its next run.
    const std::string stamp = lastFileTimestamp;
    if (!isValidTimeStamp(stamp)) {
        io.complain("JV-Link gave no time stamp for this delivery (\"" + stamp + "\"); nothing was written");
        close(link, io);
        return 1;
    }
    io.say("JVOpen: " + std::to_string(readCount) + " files to read, " + std::to_string(downloadCount) +
           " to download, newest " + stamp);

    const std::filesystem::path folder =
        request.feedDir / std::string(request.setup ? feed::kSetupDir : feed::kNormalDir);
    StagedFeedFiles staged(folder);
    const bool stagedWhole = readDelivery(link, staged, stamp, readCount, downloadCount, io);
    if (!close(link, io) || !stagedWhole) return 1;
    if (auto err = staged.publish()) {
        io.complain(*err);
        return 1;
    }
    io.say(std::to_string(staged.fileCount()) + " files written to " + utf8Text(folder));
    io.say("next start: " + stamp);
    return 0;
}

}  // namespace vantor::jvbridge
