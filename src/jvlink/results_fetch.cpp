#include "jvlink/results_fetch.h"

#include "jvlink/cancel_flag.h"
#include "jvlink/jvlink.h"
#include "store/record_filer.h"

namespace vantor {
namespace {

// Reads until JV-Link says all is read or fails, filing each record and
// saving the touched files whenever JV-Link moves to the next file.
void readRealtimeRecords(JVLink& link, RecordFiler& filer, StoreBatch& batch, const ResultsFetchUi& ui,
                         ResultsFetchOutcome& out) {
    int size = 60000;
    std::string buffer, fileName;
    for (;;) {
        ui.pump();
        if (CancelFlag == 1) break;
        buffer.clear();
        fileName.clear();
        const int r = link.JVRead(buffer, size, fileName);
        if (r > 0) {
            filer.fileRealtime(sjisBytes(buffer));
            ++out.records;
        } else if (r == jv::kFileSwitched) {
            batch.flush();
        } else if (r == jv::kEndOfAll || r < jv::kDownloading) {
            break;
        }
    }
    batch.flush();
}

}  // namespace

ResultsFetchOutcome fetchResults(JVLink& link, const StorePaths& paths, SjisView dayKey, const ResultsFetchUi& ui) {
    ResultsFetchOutcome out;
    if (lenientNumber(dayKey) <= 0) return out;
    out.ran = true;
    CancelFlag = 0;
    const auto closeStep = [&] {
        link.JVClose();
        ui.beep();
    };

    ui.pump();
    out.openResult = link.JVRTOpen(jv::kResultsDataSpec, dayKey.bytes());
    StoreBatch batch;
    RecordFiler filer(paths, batch);
    if (out.openResult == jv::kOk) {
        try {
            readRealtimeRecords(link, filer, batch, ui, out);
        } catch (const StoreError& e) {
            out.storeError = e.what();
            try {
                batch.flush();
            } catch (const StoreError&) {
            }
        }
    } else {
        ui.beep();
    }
    out.rejected = filer.rejected();
    closeStep();
    ui.pump();
    closeStep();
    return out;
}

}  // namespace vantor
