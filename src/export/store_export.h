#pragma once
// Writes the store into a database: the races, runners, payouts, horses,
// predicted odds and live records of the store files that changed since the
// sink's last export (all of them for a new database), and the rows of the
// files beside the store that changed, in one transaction.

#include <functional>
#include <string>
#include <vector>

#include "export/side_source.h"
#include "export/sql_sink.h"
#include "store/live_record_checks.h"
#include "store/store_paths.h"

namespace vantor::sqlexport {

struct ExportOptions {
    // Race days exported, "yyyy-mm-dd"; empty for no bound. Horses are
    // exported whatever the range.
    std::string from, to;
    // Files beside the store to export too (the user's marks file).
    std::vector<const SideSource*> sideSources = {};
};

struct ExportReport {
    int filesRead = 0;     // store files whose rows were written
    int filesRemoved = 0;  // files of the last export no longer in the store
    int filesUnchanged = 0;
    // Store files (paths from the program folder) that are not whole records
    // of their kind: skipped, their earlier rows kept.
    std::vector<std::string> damaged;
    // Lines of live files that are no usable record of their file, by kind
    // and reason: left out, the rest of the file exported.
    LiveSkips liveSkips;
    // What the files beside the store said: missing or unreadable (UTF-8).
    std::vector<std::string> notices;
};

// Called after each store file read with the files done and to do.
using ExportProgress = std::function<void(int done, int total)>;

// Throws SinkError when the database fails; nothing is then changed.
ExportReport exportStore(const StorePaths& paths, SqlSink& sink, const ExportOptions& options,
                         const ExportProgress& progress = {});

}  // namespace vantor::sqlexport
