#pragma once
// The store files touched by a run of filing, held in memory and written
// once each by flush().
//
// Each operation has the result of "load the file, change it, save it",
// but a file is read at most once and written once per flush, always
// through a temporary file renamed over the old one. Whatever happens
// between two flushes, every file on disk is whole.

#include <filesystem>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "text/sjis.h"

namespace vantor {

// A store file or folder that could not be read, made or written.
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr int kRunnerSlotsPerRace = 18;
inline constexpr int kRacesPerRunnerFile = 12;
inline constexpr int kRunnerFileSlots = kRunnerSlotsPerRace * kRacesPerRunnerFile;

class StoreBatch {
public:
    // Replaces the line with the record's race key (bytes 12-27) or adds
    // the record, then sorts the lines as byte strings. With onlyIfExists,
    // a missing file stays missing; with dropBlankFirstLine, a first line
    // that is blank after sorting is removed.
    void mergeKeyed(const std::filesystem::path& file, SjisView line, bool onlyIfExists = false,
                    bool dropBlankFirstLine = false);
    // Puts the record into slot (race - 1) x 18 + (horse - 1) of a runner
    // file of 216 slots; a missing file is made of blank slots when create
    // is set, else nothing happens. Race 1-12 and horse 1-18 only.
    void putRunnerSlot(const std::filesystem::path& file, SjisView line, int race, int horse, bool create,
                       std::size_t recordLength);
    // The file holds this one line and nothing else.
    void replaceWhole(const std::filesystem::path& file, SjisView line);

    // Makes the folder (and its parents) once per batch.
    void ensureFolder(const std::filesystem::path& folder);

    // Writes every changed file; throws StoreError naming the first file
    // that could not be written (files written before it stay written).
    void flush();
    // Forgets unsaved changes.
    void discard() { files_.clear(); }

    std::size_t pendingFiles() const;

private:
    struct Image {
        std::vector<std::string> lines;
        bool exists = false;
        bool dirty = false;
    };
    Image& load(const std::filesystem::path& file);

    std::map<std::filesystem::path, Image> files_;
    std::set<std::filesystem::path> madeFolders_;
};

}  // namespace vantor
