#pragma once
// One acquisition: JVOpen of "RACEDIFN", the download polling, the read
// loop that files every record, and the closing JVClose. The dialog and
// the command-line tool drive it and show what it reports through Ui.
//
// Changes to store files are held across delivered files and written at
// the end, on cancel or error, and in part whenever they outgrow a memory
// bound. The next start time is handed to the caller to keep only after a
// completed read, so an interrupted run is simply run again. A read that
// JV-Link ends before every file its open announced was read is
// incomplete: what was filed stays filed, but the start time is not kept.

#include <functional>
#include <memory>
#include <string>

#include "store/record_filer.h"
#include "text/sjis.h"

namespace vantor {

class JVLink;

class Acquisition {
public:
    // Texts are Shift-JIS.
    struct Ui {
        std::function<void(const SjisString&)> status;  // the one status line
        std::function<void(int pos, int max)> downloadBar;
        std::function<void(int pos, int max)> readBar;
        std::function<void(const SjisString&)> addLine;  // a list line
        std::function<void()> clearLines;
        std::function<void(const SjisString&)> report;  // beep, then an information message
        std::function<void()> beep;
        std::function<void()> pump;  // process pending events
        // Keeps "yyyy/mm/dd hh:nn:ss", the next start time, after a completed
        // read; false when it could not be kept (an error of the run).
        std::function<bool(const SjisString&)> storeLastTime;
    };

    enum class Next { close, poll, read };

    Acquisition(JVLink& link, const StorePaths& paths, Ui ui);
    ~Acquisition();

    // Opens JV-Link from fromtime ("yyyymmddhhnnss") with option 1 (normal)
    // or 3 (set-up) and says what comes next: close (nothing to read or an
    // error, already reported), poll the download, or read at once.
    Next start(SjisView fromtime, int option);
    // One download poll: poll again, read now, or close (error reported).
    Next poll();
    // The read loop; returns when all is read, on error or on cancel, and
    // then says in the list how many records of each kind it read and did
    // not file, when there were any.
    void readAll();
    // JVClose and its report; the completion message once a completed read
    // has been closed.
    void closeLink();
    // A confirmed cancel: stops JV-Link, sets CancelFlag and reports it. A
    // cancel during the download also closes the open, so the next start
    // does not find it still open.
    void cancel();

    bool downloading() const { return downloading_; }
    int readCount() const { return readCount_; }
    int downloadCount() const { return downloadCount_; }
    int rejected() const { return filer_.rejected(); }
    const UnfiledCounts& unfiled() const { return filer_.unfiled(); }
    // True once JV-Link or the store reported an error during this run
    // ("nothing newer" and a cancel are not errors).
    bool failed() const { return failed_; }
    // True when JV-Link ended the read before every announced file was read.
    bool incomplete() const { return incomplete_; }

private:
    // Writes the held changes down to keepBytes; a store error is reported
    // and gives false.
    bool flush(std::size_t keepBytes = 0);
    // The loop of readAll.
    void readRecords();
    // Ends the read on an error: writes what is held, then reports message,
    // or only the store's error when the write failed (its cause comes first).
    void failAfterFlush(const SjisString& message);
    // JV-Link's end of the read after filesEnded file ends.
    void finishRead(int filesEnded);
    // The end came before the last announced file: said in the list.
    void reportIncomplete(int filesRead);
    // Names in the list the feed files JV-Link could not read.
    void listUnusableFiles();
    void fail(const SjisString& message);
    // "<operation>エラー:" with JV-Link's message for code and the link's own
    // explanation, when it has one.
    SjisString errorText(SjisView operation, int code) const;

    JVLink& link_;
    Ui ui_;
    StoreBatch batch_;
    RecordFiler filer_;
    long long fromDateNum_ = 0;
    int readCount_ = 0;
    int downloadCount_ = 0;
    std::string lastFileTimestamp_;
    bool downloading_ = false;
    bool open_ = false;
    bool failed_ = false;
    bool incomplete_ = false;
    bool completed_ = false;  // every file read, filed and the start time kept
};

}  // namespace vantor
