#pragma once
// What `vantor-cli acquire` writes on standard error while it runs. A set-up
// files a million records, so the filed-record lines of the dialog's list
// are written only on request. On a terminal one progress line (phase,
// files, records, rate, elapsed time) is rewritten in place; elsewhere (a
// log, a pipe) one line is written per file downloaded or read. Reports,
// the status lines that are not progress, the list's notices (rejected
// records, unreadable files, an early end, the records read and not filed)
// and the totals are always written.

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
    struct Count {
        int pos = 0;  // files done
        int max = 0;  // files announced
    };
    struct Shown {
        Phase phase = Phase::none;
        int files = 0;
        bool operator==(const Shown&) const = default;
    };

    void status(const SjisString& text);
    void bar(Phase phase, int pos, int max);
    void listLine(const SjisString& text);
    void report(const SjisString& text);
    // Shows the progress: the in-place line at a new file and at a steady
    // pace between, the per-file line at a new file.
    void progressed();
    void writeLine(const std::string& utf8, bool flush = true);
    std::string progressText() const;
    Count count() const { return counts_[static_cast<int>(phase_)]; }
    double secondsSince(Clock::time_point t) const;

    std::ostream& out_;
    Mode mode_;
    Clock::time_point started_ = Clock::now();
    Clock::time_point readStarted_ = started_;
    Clock::time_point drawn_{};
    Phase phase_ = Phase::none;
    Count counts_[3];         // by phase, from the bars
    Shown shown_;             // the file the progress last showed
    long long records_ = 0;   // filed records: records that gave list lines
    int recordLines_ = 0;     // list lines of the record being filed
    bool lineShown_ = false;  // the in-place line is on the terminal
    SjisString lastStatus_;
};

}  // namespace vantor::cli
