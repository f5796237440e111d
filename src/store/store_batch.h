#pragma once
// The store files touched by a run of filing, held in memory and written
// once each by flush().
//
// Each operation has the result of "load the file, change it, save it",
// but a file is read at most once and written once per flush, in one
// write, always through a temporary file renamed over the old one.
// Whatever happens between two flushes, every file on disk is whole.
//
// A file is read no further than it can sensibly hold (store_bounds.h),
// and only whole records of its kind are kept, so the first save of a
// damaged file mends it.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "store/store_bounds.h"
#include "text/sjis.h"

namespace vantor {

// A store file or folder that could not be read, made or written.
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class StoreBatch {
public:
    // Replaces the line with the record's race key (bytes 12-27) or adds
    // the record, then sorts the lines as byte strings. Every line of the
    // file has the length of this one. With onlyIfExists, a missing file
    // stays missing; with dropBlankFirstLine, a first line that is blank
    // after sorting is removed.
    void mergeKeyed(const std::filesystem::path& file, SjisView line, bool onlyIfExists = false,
                    bool dropBlankFirstLine = false);
    // Puts an SE record (without CR LF) into slot (race - 1) x 18 +
    // (horse - 1) of a runner file of 216 slots; a missing file is made of
    // blank slots when create is set, else nothing happens. Race 1-12 and
    // horse 1-18 only.
    void putRunnerSlot(const std::filesystem::path& file, SjisView line, int race, int horse, bool create);
    // The file holds this one line and nothing else.
    void replaceWhole(const std::filesystem::path& file, SjisView line);

    // Makes the folder (and its parents) once per batch.
    void ensureFolder(const std::filesystem::path& folder);

    // Writes every changed file and lets go of every held one. In each
    // folder it writes, it first removes the temporary files a killed run
    // left. Throws StoreError naming the first file that could not be
    // written (files written before it stay written).
    void flush();
    // Forgets unsaved changes.
    void discard();

    std::size_t pendingFiles() const;
    // The bytes of the files held, changed or not.
    std::size_t heldBytes() const { return held_; }

private:
    struct Image {
        std::string bytes;  // whole records, each ending in CR LF
        bool exists = false;
        bool dirty = false;
    };
    Image* find(const std::filesystem::path& file);
    Image& keep(const std::filesystem::path& file, Image image);
    Image& loadKeyed(const std::filesystem::path& file, std::size_t recordLength);
    Image& loadRunners(const std::filesystem::path& file);
    void changed(Image& image, std::size_t sizeBefore);

    std::unordered_map<std::string, Image> files_;  // by path
    std::unordered_set<std::string> madeFolders_, sweptFolders_;
    std::size_t held_ = 0;
};

}  // namespace vantor
