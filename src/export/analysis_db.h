#pragma once
// The program's own analysis database: an SQLite export of the store (the
// schema of every export) kept in the program folder and brought up to
// date by each writer after it changed the store, under the folder's
// writer lock, and by the first reader that finds none. The user's own
// exports are other files and are never touched.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "export/side_source.h"
#include "export/sqlite_sink.h"
#include "export/store_export.h"
#include "store/store_paths.h"

namespace vantor::sqlexport {

// <program folder>/analysis.sqlite
std::filesystem::path analysisDbPath(const std::filesystem::path& programFolder);

// The indexes the record views' queries read through, beyond every
// export's own: made once when the database is built (or rebuilt), and by
// the next update of one that lacks any, so that a reader never needs to
// write. The user's own exports do without them: they would grow a file by
// half and its first export by seconds.
const std::vector<ExtraIndex>& analysisDbIndexes();

struct AnalysisDbUpdate {
    enum class Status {
        updated,  // brought up to date in place (or nothing was new)
        built,    // there was none: written whole
        rebuilt,  // the file was no usable export: written whole anew
        failed,   // the file is as it was, or absent
    };
    Status status = Status::updated;
    ExportReport report;
    // rebuilt: what was wrong with the old file; failed: why (UTF-8).
    std::string problem;
};

// Brings the analysis database up to date with the store and the files
// beside it (the user's marks, which every caller passes, so that the
// database always holds them). The caller holds the program folder's
// writer lock. A file that is damaged, another program's, of another
// schema version, or that fails while it is updated is written anew; the
// file in place is always a whole export, of before or after. Progress is
// called only for the store files read, so an update with nothing new
// calls it never; pump every so often while the database works.
//
// A reader (the statistics) that wants the database current takes the
// writer lock without waiting (WriterLock::take(folder, who, false)) and
// updates; when a writer holds the lock, that writer updates after its
// change, and the database is read as it is.
AnalysisDbUpdate updateAnalysisDb(const StorePaths& paths, const std::vector<const SideSource*>& sideSources,
                                  const ExportProgress& progress = {}, const std::function<void()>& pump = {});

}  // namespace vantor::sqlexport
