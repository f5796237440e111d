#pragma once
// Files the race day's live records into the day's folder (live_folder.h).
// A fetch of the day makes some seventy answers; the filer takes them one
// after the other and then writes each file they change once: read once,
// merged with every answer for it in delivery order, written through a
// temporary file renamed over it, and only when its bytes change, so a
// repeated fetch with nothing new writes nothing. Lines of a file that are
// not whole records of its kind are dropped by its next write. The caller
// holds the program folder's writer lock while it writes.

#include <array>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "fileio/file_access.h"
#include "store/live_folder.h"
#include "store/live_record_checks.h"
#include "store/store_paths.h"
#include "text/sjis.h"

namespace vantor {

// One answer of the real-time service: its records back to back, each with
// its CR LF as delivered (or without), and where each ends in bytes.
struct LiveAnswer {
    std::string bytes;
    std::vector<std::size_t> ends;
};

class LiveFiler {
public:
    // day: "yyyymmdd"; the files are read and written through files.
    LiveFiler(const StorePaths& paths, SjisView day, FileAccess& files = diskFiles());

    // Takes one answer of dataspec, kept until the next write: a day-changes
    // answer only when complete, since the part of one would withdraw what it
    // did not reach, and not when every record of it was refused. Records the
    // checks refuse are counted in skips.
    void add(LiveDataspec dataspec, LiveAnswer answer, bool complete, LiveSkips& skips);
    // The same for records (with or without CR LF) held elsewhere: copied.
    void add(LiveDataspec dataspec, std::span<const SjisView> records, bool complete, LiveSkips& skips);

    // Writes the files the answers taken since the last write change, and
    // forgets the answers. Returns the number of files written. Throws
    // StoreError naming a file that could not be read or written (files
    // written before it stay written, each whole).
    int write();

    // One answer taken and written.
    int file(LiveDataspec dataspec, std::span<const SjisView> records, bool complete, LiveSkips& skips) {
        add(dataspec, records, complete, skips);
        return write();
    }

private:
    // The records answers brought for one file, in delivery order, without
    // their CR LF: for the day changes the last answer's, for the others
    // every answer's.
    struct Pending {
        bool taken = false;
        std::vector<SjisView> records;
    };

    bool writeFile(const LiveFileInfo& file, std::span<const SjisView> pending);
    // Appends to old the lines of the earlier layout's files of id
    // (live_folder.h), and their names to names.
    void takeEarlier(LiveFileId id, std::string& old, std::vector<std::string>& names);
    void readyFolder();

    FileAccess& fileAccess_;
    std::filesystem::path folder_;
    FixedText<8> day_;
    std::deque<std::string> answers_;  // the bytes the pending records lie in
    std::array<Pending, kLiveFileCount> pending_;
    bool folderReady_ = false;
    std::optional<std::vector<std::string>> folderNames_;  // listed once per write, when needed
};

}  // namespace vantor
