#pragma once
// The changes a run of filing makes to store files, held in memory and
// written by flush().
//
// Each operation has the result of "load the file, change it, save it",
// but the batch keeps only the change itself: when a file is written, it
// is read once, given its changes in the order they were made and written
// in one write, always through a temporary file renamed over the old one.
// Whatever happens between two writes, every file on disk is whole. What
// the batch holds grows with the changes, not with the files they go
// into; to keep it small, the files a run in time order is done with can
// be written early, so that each file is still rewritten seldom.
//
// A file is read no further than it can sensibly hold (store_bounds.h),
// and only whole records of its kind are kept, so the first save of a
// damaged file mends it.

#include <cstdint>
#include <filesystem>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "store/store_bounds.h"
#include "store/store_image.h"
#include "text/sjis.h"

namespace vantor {

class StoreBatch {
public:
    // The store's files are read and written through files.
    explicit StoreBatch(FileAccess& files = diskFiles()) : fileAccess_(files) {}

    // The operations of store_image.h. The file is taken as it is at its
    // first change in the batch: there but unreadable (a folder, no read
    // permission) is a StoreError at once; missing, it is not read later.
    void mergeKeyed(const std::filesystem::path& file, SjisView line, bool onlyIfExists = false,
                    bool dropBlankFirstLine = false);
    // Runner numbers outside race 1-12 and horse 1-18, and a line that is not
    // an SE record without its CR LF, change nothing.
    void putRunnerSlot(const std::filesystem::path& file, SjisView line, int race, int horse, bool create);
    // The file holds this one line and nothing else.
    void replaceWhole(const std::filesystem::path& file, SjisView line);

    // Makes the folder (and its parents) once per batch.
    void ensureFolder(const std::filesystem::path& folder);

    // Writes every changed file and lets go of every change. In each folder
    // it writes, it first removes the temporary files a killed run left.
    // Throws StoreError naming the first file that could not be read or
    // written (files written before it stay written).
    void flush();
    // Writes the files most worth writing (many changes, changed long ago),
    // and lets go of their changes, until the held changes take no more
    // than keepBytes. Throws as flush().
    void flushTo(std::size_t keepBytes);
    // Forgets unsaved changes.
    void discard();

    // About the bytes of memory the held changes take.
    std::size_t heldBytes() const { return held_; }

private:
    enum class Kind : unsigned char { keyed, runnerSlot, whole };
    struct Change {
        SjisString line;  // without CR LF
        Kind kind;
        bool flag;  // keyed: onlyIfExists; runner slot: create
        bool dropBlankFirstLine;
        signed char race, horse;
    };
    struct Changes {
        std::vector<Change> list;  // in the order they were made
        std::size_t bytes = 0;     // what the file and its changes take
        std::uint64_t last = 0;    // the number of the latest change
        // The file is read before its changes are made: it was there at the
        // first change, and no change since has replaced it whole.
        bool readFirst = false;
    };
    using Held = std::unordered_map<std::string, Changes>;  // by path
    // The file's changes, begun with a look at the file when there are none.
    Changes& changesOf(const std::filesystem::path& file);
    void add(Changes& changes, Change change);
    // Writes the files (some of the held ones) and lets go of them.
    void write(const std::vector<Held::iterator>& files);
    // The file with its changes made; throws StoreError when it cannot be read.
    StoreImage applied(const std::filesystem::path& file, const Changes& changes) const;
    // Writes the file when its changes changed it; the error text otherwise.
    std::string save(const std::filesystem::path& file, const Changes& changes) const;

    FileAccess& fileAccess_;
    Held files_;
    std::unordered_set<std::string> madeFolders_, sweptFolders_;
    std::size_t held_ = 0;
    std::uint64_t changes_ = 0;
};

}  // namespace vantor
