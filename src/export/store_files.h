#pragma once
// The store files an export reads, with the size and modification time
// that tell a later export whether a file changed since.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "store/store_paths.h"

namespace vantor::sqlexport {

// In the order an export reads them: the day files, whose rows win over
// the copies in the outside race files and the horse run files, then those,
// then the horse masters, the race days' live files (Live/<yyyymmdd>/: the
// day's changes, body weights, O1 and O2 snapshots and win-odds series;
// O3-O6 are not exported) and last the user's marks file beside the store.
enum class FileKind {
    dayRaces,
    dayRunners,
    dayPayouts,
    dayOdds,
    outsideRaces,
    horseRuns,
    horseMasters,
    liveChanges,
    liveWeights,
    liveOdds,
    liveSeries,
    sideSource,
};

struct FileStamp {
    long long size = 0;
    long long mtime = 0;  // nanoseconds
    bool operator==(const FileStamp&) const = default;
};

struct StoreFile {
    std::string path;  // from the program folder, with "/" between names
    FileStamp stamp;
    FileKind kind;
};

// Paths and stamps of the files an earlier export read.
using FileIndex = std::map<std::string, FileStamp>;

// Every store file of the kinds above, in the order of their kinds and by
// path within a kind. Entries that are not regular files are left out.
std::vector<StoreFile> scanStore(const StorePaths& paths);

// Whether a kind's rows win over the same rows of other kinds.
constexpr bool isDayFile(FileKind kind) { return kind <= FileKind::dayOdds; }
constexpr bool isLiveFile(FileKind kind) { return kind >= FileKind::liveChanges && kind <= FileKind::liveSeries; }

}  // namespace vantor::sqlexport
