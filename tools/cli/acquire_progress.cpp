#include "acquire_progress.h"

#include <ostream>

#include "store/unfiled_counts.h"
#include "text/encoding.h"
#include "text/formatted.h"
#include "text/sjis_literal.h"

namespace vantor::cli {
namespace {

// The in-place line is redrawn at this pace while records are filed.
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);
// Clears the terminal line from the cursor to its end.
constexpr const char* kEraseToEnd = "\x1b[K";

bool startsWith(SjisView text, const SjisString& prefix) { return text.substr(0, prefix.size()) == prefix; }

// The list lines that are notices rather than filed records.
bool isNotice(SjisView line) {
    static const SjisString kPrefixes[] = {sjis("不正なレコードを除外しました:"), sjis("読込み未完了:"),
                                           sjis("読込めないファイルを除外しました:"), sjis("除外:")};
    for (const SjisString& prefix : kPrefixes)
        if (startsWith(line, prefix)) return true;
    return startsWith(line, SjisString(unfiledLinePrefix()));
}

}  // namespace

AcquireProgress::AcquireProgress(std::ostream& out, Mode mode) : out_(out), mode_(mode) {
    // Lines are flushed where it matters, not at every character.
    out_.unsetf(std::ios_base::unitbuf);
}

void AcquireProgress::attach(Acquisition::Ui& ui) {
    ui.status = [this](const SjisString& s) { status(s); };
    ui.downloadBar = [this](int pos, int max) { bar(Phase::download, pos, max); };
    ui.readBar = [this](int pos, int max) { bar(Phase::read, pos, max); };
    ui.addLine = [this](const SjisString& s) { listLine(s); };
    ui.clearLines = [] {};
    ui.report = [this](const SjisString& s) { report(s); };
    // The read loop pumps before each JVRead, so the lines between two
    // pumps are those of one record.
    ui.pump = [this] { recordLines_ = 0; };
}

void AcquireProgress::status(const SjisString& text) {
    // The download is polled every few milliseconds, each poll saying the same.
    if (text == lastStatus_) return;
    lastStatus_ = text;
    static const SjisString kDownloading = sjis("ダウンロード中");
    static const SjisString kReading = sjis("データ読込み中");
    const Phase phase = startsWith(text, kDownloading) ? Phase::download
                        : startsWith(text, kReading)   ? Phase::read
                                                       : Phase::none;
    if (phase == Phase::read && phase_ != Phase::read) readStarted_ = Clock::now();
    phase_ = phase;
    // A progress status comes with a bar position, which the progress line shows.
    if (mode_ == Mode::verbose || phase == Phase::none) writeLine(cp932ToUtf8(text));
}

void AcquireProgress::bar(Phase phase, int pos, int max) {
    counts_[static_cast<int>(phase)] = {pos, max};
    if (phase == phase_) progressed();
}

void AcquireProgress::listLine(const SjisString& text) {
    const bool notice = isNotice(text);
    if (!notice && recordLines_++ == 0) ++records_;
    if (mode_ == Mode::verbose || notice)
        writeLine(cp932ToUtf8(text), notice);
    else if (phase_ == Phase::read)
        progressed();
}

void AcquireProgress::report(const SjisString& text) {
    phase_ = Phase::none;
    writeLine(cp932ToUtf8(text));
}

void AcquireProgress::progressed() {
    const Shown now{phase_, count().pos};
    const bool newFile = now != shown_;
    shown_ = now;
    if (mode_ == Mode::inPlace && (newFile || Clock::now() - drawn_ >= kRedrawInterval)) {
        out_ << '\r' << progressText() << kEraseToEnd << std::flush;
        lineShown_ = true;
        drawn_ = Clock::now();
    } else if (mode_ == Mode::perFile && newFile && now.files > 0) {
        writeLine(progressText());
    }
}

void AcquireProgress::writeLine(const std::string& utf8, bool flush) {
    if (lineShown_) out_ << '\r' << kEraseToEnd;
    lineShown_ = false;
    out_ << utf8 << '\n';
    if (flush) out_ << std::flush;
}

std::string AcquireProgress::progressText() const {
    const Count files = count();
    if (phase_ == Phase::download)
        return formattedUtf8("download %d/%d files, %.1f s", files.pos, files.max, secondsSince(started_));
    const double reading = secondsSince(readStarted_);
    const long long rate = reading > 0 ? static_cast<long long>(records_ / reading) : 0;
    return formattedUtf8("read %d/%d files, %lld records, %lld records/s, %.1f s", files.pos, files.max, records_, rate,
                         secondsSince(started_));
}

double AcquireProgress::secondsSince(Clock::time_point t) const {
    return std::chrono::duration<double>(Clock::now() - t).count();
}

void AcquireProgress::finish() {
    writeLine(formattedUtf8("%lld records filed in %.1f s", records_, secondsSince(started_)));
}

}  // namespace vantor::cli
