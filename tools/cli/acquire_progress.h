#pragma once
// What `vantor-cli acquire` writes on standard error while it runs. A set-up
// files a million records, so the filed-record lines of the dialog's list
// are written only on request. On a terminal one progress line (phase,
// files, records, rate, elapsed time) is rewritten in place; elsewhere (a
// log, a pipe) one line is written per file downloaded or read. Reports,
// the status lines that are not progress, the list's notices (rejected
// records, unreadable files, an early end) and the totals are always
// written.

#include <chrono>
#include <iosfwd>
#include <string>

#include "jvlink/acquisition.h"

namespace vantor::cli {

class AcquireProgress {
public:
    enum class Mode {
        inPlace,  // a terminal: one progress line, rewritten
        perFile,  // not a terminal: one progress line per file
        verbose,  // every status line and every list line, one per filed record
    };
    static Mode modeFor(bool verbose, bool terminal) {
        if (verbose) return Mode::verbose;
        return terminal ? Mode::inPlace : Mode::perFile;
    }

    AcquireProgress(std::ostream& out, Mode mode);

    // Sets the Ui's status, bars, list, report and pump callbacks.
    void attach(Acquisition::Ui& ui);
    // Takes the progress line off the terminal and writes the totals.
    void finish();

private:
    using Clock = std::chrono::steady_clock;
    enum class Phase { none, download, read };

    void status(const SjisString& text);
    void bar(Phase phase, int pos, int max);
    void listLine(const SjisString& text);
    void report(const SjisString& text);
    void progressed();
    void draw();
    void writeLine(const std::string& utf8, bool flush = true);
    std::string progressText() const;
    double secondsSince(Clock::time_point t) const;

    std::ostream& out_;
    Mode mode_;
    Clock::time_point started_ = Clock::now();
    Clock::time_point readStarted_ = started_;
    Clock::time_point drawn_{};
    Phase phase_ = Phase::none;
    // The files done and announced, by phase.
    int pos_[3] = {};
    int max_[3] = {};
    struct Written {
        Phase phase = Phase::none;
        int files = 0;
        bool operator==(const Written&) const = default;
    } written_;               // the last progress line of the per-file mode
    long long records_ = 0;   // filed records: records that gave list lines
    int recordLines_ = 0;     // list lines of the record being filed
    bool lineShown_ = false;  // the in-place line is on the terminal
    SjisString lastStatus_;
};

}  // namespace vantor::cli
