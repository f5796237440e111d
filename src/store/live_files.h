#pragma once
// The race day's live records in the program folder, each line a record as
// the real-time service delivered it (CR LF):
//
//   Live/<yyyymmdd>/changes.jvd        the day's last complete 0B14 answer: WE, AV, JC,
//                                      TC and CC in delivery order (a withdrawn change
//                                      is gone with the answer that no longer holds it)
//   Live/<yyyymmdd>/weights.jvd        the latest WH of each race, one per race key, in
//                                      race-key order
//   Live/<yyyymmdd>/odds_O1.jvd        the latest O1 of each race from 0B30, likewise
//   Live/<yyyymmdd>/odds_O2.jvd        the latest O2 of each race, likewise
//   Live/<yyyymmdd>/<JJ><RR>_O3.jvd    the race's latest O3 (O4, O5, O6 alike): one record
//   Live/<yyyymmdd>/<JJ><RR>_series.jvd  the race's 0B41 O1 records, one per announce
//                                      time, in time order
//
// JJ is the racecourse code and RR the race number. A file is read once and
// written once per answer, through a temporary file renamed over it, and
// only when its bytes change, so a repeated fetch with nothing new writes
// nothing. Lines of a file that are not whole records of its kind are
// dropped by its next write. The caller holds the program folder's writer
// lock.

#include <span>

#include "fileio/file_access.h"
#include "store/live_record_checks.h"
#include "store/store_paths.h"
#include "text/sjis.h"

namespace vantor {

class LiveFiler {
public:
    // day: "yyyymmdd"; the files are read and written through files.
    LiveFiler(const StorePaths& paths, SjisView day, FileAccess& files = diskFiles());

    // Files the records (with or without CR LF) of one answer of dataspec; a
    // day-changes answer only when complete, since the part of one would
    // withdraw what it did not reach, and not when every record of it was
    // refused. Records the checks refuse are
    // counted in skips(). Returns the number of files written. Throws
    // StoreError naming a file that could not be read or written (files
    // written before it stay written, each whole).
    int file(LiveDataspec dataspec, std::span<const SjisView> records, bool complete);

    const LiveSkips& skips() const { return skips_; }

private:
    FileAccess& fileAccess_;
    std::filesystem::path folder_;
    FixedText<8> day_;
    LiveSkips skips_;
};

}  // namespace vantor
