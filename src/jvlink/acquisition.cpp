#include "jvlink/acquisition.h"

#include <iostream>
#include <vector>

#include "codes/jv_result_message.h"
#include "jvlink/cancel_flag.h"
#include "jvlink/jvlink.h"
#include "text/encoding.h"
#include "text/formatted.h"
#include "text/sjis_literal.h"

namespace vantor {
namespace {

// The store changes an acquisition may hold in memory: with the feed file
// being read and the dialog's list, a set-up of ten demo years peaks at
// about 125 MB. Past the bound, the files most worth writing are written
// until a tenth of it is free, so that writes come in batches.
constexpr std::size_t kHeldBytesBound = 64u << 20;
constexpr std::size_t kHeldBytesAfterWrite = kHeldBytesBound / 10 * 9;
SjisString number(long long n) { return formatted("%lld", n); }
SjisString storeErrorText(const StoreError& e) { return sjis("データ保存エラー:") + utf8ToCp932(e.what()); }

}  // namespace

Acquisition::Acquisition(JVLink& link, const StorePaths& paths, Ui ui)
    : link_(link), ui_(std::move(ui)), filer_(paths, batch_) {}

Acquisition::~Acquisition() {
    // Whatever was filed stays filed, even when the owner goes away mid-read.
    // The owner's Ui may be gone with it, so a failed write is told on
    // standard error, which a terminal shows and the desktop's session log keeps.
    try {
        batch_.flush();
    } catch (const StoreError& e) {
        std::cerr << cp932ToUtf8(storeErrorText(e)) << '\n';
    }
}

Acquisition::Next Acquisition::start(SjisView fromtime, int option) {
    CancelFlag = 0;
    downloading_ = false;
    failed_ = incomplete_ = completed_ = false;
    filer_.resetCounts();
    ui_.downloadBar(0, 100);
    ui_.readBar(0, 100);
    ui_.clearLines();
    fromDateNum_ = lenientNumber(fromtime.substr(0, 8));
    lastFileTimestamp_.clear();
    readCount_ = downloadCount_ = 0;

    const int r = link_.JVOpen(jv::kAcquisitionDataSpec, fromtime.bytes(), option, readCount_, downloadCount_,
                               lastFileTimestamp_);
    open_ = true;  // every open attempt ends with JVClose
    // A JV-Link that takes its time to open (its own windows, Wine) can be
    // cancelled meanwhile; the cancel has said so already.
    if (CancelFlag == 1) return Next::close;
    if (r == jv::kNoNewerData || (r == jv::kOk && readCount_ == 0)) {
        ui_.report(sjis("最新のデータがありません。"));
        return Next::close;
    }
    if (r != jv::kOk) {
        fail(errorText("JVOpen", r));
        return Next::close;
    }
    ui_.status(sjis("JVOpen正常:") + JVResultMessage("JVOpen", 0));
    ui_.status("ReadCount:" + number(readCount_) + ", DownloadCount:" + number(downloadCount_));
    if (downloadCount_ > 0) {
        ui_.status(sjis("ダウンロード中・・・"));
        ui_.downloadBar(0, downloadCount_);
        downloading_ = true;
        return Next::poll;
    }
    ui_.downloadBar(100, 100);
    return Next::read;
}

Acquisition::Next Acquisition::poll() {
    const int n = link_.JVStatus();
    if (n < 0) {
        downloading_ = false;
        fail(errorText("JVStatus", n));
        return Next::close;
    }
    if (n > downloadCount_) return Next::poll;
    ui_.status(sjis("ダウンロード中．．．(") + number(n) + "/" + number(downloadCount_) + ")");
    ui_.downloadBar(n, downloadCount_);
    if (n < downloadCount_) return Next::poll;
    downloading_ = false;
    return Next::read;
}

SjisString Acquisition::errorText(SjisView operation, int code) const {
    SjisString text = SjisString(operation) + sjis("エラー:") + JVResultMessage(operation, code);
    // What the link knows beyond the code: its feed folder, the bridge's last words.
    if (const std::string problem = link_.sourceProblem(); !problem.empty()) text += "\r\n" + utf8ToCp932(problem);
    return text;
}

void Acquisition::fail(const SjisString& message) {
    failed_ = true;
    ui_.report(message);
}

bool Acquisition::flush(std::size_t keepBytes) {
    try {
        batch_.flushTo(keepBytes);
        return true;
    } catch (const StoreError& e) {
        batch_.discard();
        fail(storeErrorText(e));
        return false;
    }
}

void Acquisition::failAfterFlush(const SjisString& message) {
    if (flush()) fail(message);
}

void Acquisition::readAll() {
    readRecords();
    if (!filer_.unfiled().empty()) ui_.addLine(unfiledRecordsLine(filer_.unfiled()));
}

void Acquisition::readRecords() {
    ui_.status(sjis("データ読込み中．．．(0/") + number(readCount_) + ")");
    ui_.readBar(0, readCount_);
    int filesEnded = 0;
    int size = 6000;
    std::string buffer, fileName;
    std::vector<SjisString> lines;
    int rejectedShown = filer_.rejected();
    static const SjisString kRejected = sjis("不正なレコードを除外しました:");
    static const SjisString kCount = sjis("件");

    for (;;) {
        ui_.pump();
        if (CancelFlag == 1) {
            flush();
            return;
        }
        buffer.clear();
        fileName.clear();
        const int r = link_.JVRead(buffer, size, fileName);
        if (r > 0) {
            lines.clear();
            try {
                filer_.fileAcquired(sjisBytes(buffer), fromDateNum_, lines);
            } catch (const StoreError& e) {
                failAfterFlush(storeErrorText(e));
                return;
            }
            if (batch_.heldBytes() > kHeldBytesBound && !flush(kHeldBytesAfterWrite)) return;
            for (const auto& l : lines) ui_.addLine(l);
            if (filer_.rejected() != rejectedShown) {
                rejectedShown = filer_.rejected();
                ui_.addLine(kRejected + number(rejectedShown) + kCount);
            }
        } else if (r == jv::kFileSwitched) {
            // A file end repeated past the announced files is no further file.
            if (filesEnded == readCount_) continue;
            ++filesEnded;
            ui_.readBar(filesEnded, readCount_);
            ui_.status(sjis("データ読込み中．．．(") + number(filesEnded) + "/" + number(readCount_) + ")");
            ui_.clearLines();
        } else if (r == jv::kEndOfAll) {
            if (flush()) finishRead(filesEnded);
            return;
        } else if (r < jv::kDownloading) {
            failAfterFlush(errorText("JVRead", r));
            return;
        }
    }
}

void Acquisition::finishRead(int filesEnded) {
    // The end of the read also ends the file being read; it ends the whole
    // read only when that file is the last one the open announced.
    const bool whole = filesEnded + 1 >= readCount_;
    const int filesRead = whole ? readCount_ : filesEnded;
    ui_.status(sjis(whole ? "JVRead EndOfFile :0データ読込み完了(" : "JVRead EndOfFile :0データ読込み未完了(") +
               number(filesRead) + "/" + number(readCount_) + ")");
    ui_.downloadBar(0, downloadCount_ > 0 ? downloadCount_ : 100);
    ui_.readBar(0, readCount_);
    listUnusableFiles();
    if (!whole) {
        reportIncomplete(filesRead);
        return;
    }
    const SjisView stamp = trimBlanks(sjisBytes(lastFileTimestamp_));
    if (!stamp.empty() && stamp != "00000000000000" && lastFileTimestamp_.size() >= 14) {
        const SjisView t = sjisBytes(lastFileTimestamp_);
        SjisString text;
        text.append(t.substr(0, 4)).append("/").append(t.substr(4, 2)).append("/").append(t.substr(6, 2));
        text.append(" ").append(t.substr(8, 2)).append(":").append(t.substr(10, 2)).append(":").append(t.substr(12, 2));
        if (!ui_.storeLastTime(text)) {
            fail(sjis("前回取得日時を設定ファイルに保存できませんでした。"));
            return;
        }
        ui_.pump();
    }
    completed_ = true;
}

void Acquisition::reportIncomplete(int filesRead) {
    incomplete_ = true;
    ui_.addLine(sjis("読込み未完了:") + number(readCount_) + sjis("ファイル中") + number(filesRead) +
                sjis("ファイルで終了しました。前回取得日時は更新しません"));
}

void Acquisition::listUnusableFiles() {
    const std::vector<std::string> names = link_.unusableFiles();
    if (names.empty()) return;
    ui_.addLine(sjis("読込めないファイルを除外しました:") + number(static_cast<long long>(names.size())) + sjis("件"));
    for (const std::string& name : names) ui_.addLine(sjis("除外:") + utf8ToCp932(name));
}

void Acquisition::closeLink() {
    if (!open_) return;
    open_ = false;
    downloading_ = false;
    const int r = link_.JVClose();
    if (r != 0) {
        fail(errorText("JVClose", r));
        return;
    }
    if (completed_) ui_.status(sjis("データ作成が完了しました。"));
    ui_.beep();
}

void Acquisition::cancel() {
    const bool wasDownloading = downloading_;
    downloading_ = false;
    link_.JVCancel();
    CancelFlag = 1;
    const SjisString text = sjis("JVCancel:キャンセルされました");
    ui_.report(text);
    ui_.status(text);
    if (wasDownloading) closeLink();
}

}  // namespace vantor
