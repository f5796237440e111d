#pragma once
// Files delivered JV-Data records into the store: the acquisition filing
// (every record an acquisition reads) and the real-time filing (results
// fetched for a loaded day). Changes collect in the caller's StoreBatch and
// nothing is written here: the caller decides when the batch is written
// (the acquisition when it outgrows a memory bound and at the end, cancel
// or error included; the results fetch at each next file and at the end).

#include <vector>

#include "store/store_batch.h"
#include "store/store_paths.h"
#include "store/unfiled_counts.h"
#include "text/sjis.h"

namespace vantor {

class RecordFiler {
public:
    RecordFiler(StorePaths paths, StoreBatch& batch) : paths_(std::move(paths)), batch_(batch) {}

    // The acquisition filing of one record (with its CR LF). fromDate is
    // the yyyymmdd number of the start point: day files take races from
    // fromDate - 10 on. Adds one line per filed file to listLines; a record
    // that goes into no file is counted in unfiled(). A record
    // of the wrong length, holding a line break before its CR LF, or whose
    // date, racecourse or horse id could not name a file, is counted as
    // rejected and skipped. Throws StoreError
    // when a folder or file cannot be made or read.
    void fileAcquired(SjisView record, long long fromDate, std::vector<SjisString>& listLines);

    // The real-time filing: no date filter, no list lines, never creates a
    // day race file or a runner file. A runner record of a racecourse
    // without a name has no runner file and is counted as rejected.
    void fileRealtime(SjisView record);

    int rejected() const { return rejected_; }
    const UnfiledCounts& unfiled() const { return unfiled_; }
    // Both counts back to none, for the next run of the same filer.
    void resetCounts() {
        rejected_ = 0;
        unfiled_ = {};
    }

private:
    bool acceptable(SjisView record);
    void fileAcquiredKind(SjisView record, long long fromDate, std::vector<SjisString>& listLines);

    StorePaths paths_;
    StoreBatch& batch_;
    int rejected_ = 0;
    UnfiledCounts unfiled_;
};

// "作成済み:" in Shift-JIS, the start of every acquisition list line.
SjisView filedLinePrefix();

}  // namespace vantor
