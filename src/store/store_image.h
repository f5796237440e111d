#pragma once
// One store file in memory while changes are made to it: read no further
// than it can sensibly hold (store_bounds.h), keeping only whole records of
// its kind, then changed as "load the file, change it, save it" changes it.

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

#include "text/sjis.h"

namespace vantor {

// A store file or folder that could not be read, made or written.
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct StoreImage {
    std::string bytes;    // whole records, each ending in CR LF
    bool exists = false;  // on disk, or made by a change
    bool changed = false;
    std::optional<std::string> onDisk;  // the file's bytes as read, when it was there

    // Whether saving the image would write the bytes the file already holds:
    // a repeated filing of what is there rewrites nothing.
    bool sameAsDisk() const { return onDisk && *onDisk == bytes; }
};

// A keyed file's whole records of recordLength bytes (CR LF included),
// sorted; the newest lines stand last, so an oversized file is read from
// its end. Throws StoreError when the file is there but cannot be read.
StoreImage loadKeyedImage(const std::filesystem::path& file, std::size_t recordLength);
// A runner file's 216 slots: each holds its record when that record is
// whole where readers look for it, else it is blank. Throws as above.
StoreImage loadRunnerImage(const std::filesystem::path& file);

// Replaces the line with the record's race key (bytes 12-27) or adds the
// line, keeping the lines sorted as byte strings. Every line of the image
// has the length of this one. With onlyIfExists, a missing file stays
// missing; with dropBlankFirstLine, a first line that is blank after
// sorting is removed.
void mergeKeyedLine(StoreImage& image, SjisView line, bool onlyIfExists, bool dropBlankFirstLine);
// Puts an SE record (without CR LF, of its full length) into slot
// (race - 1) x 18 + (horse - 1), race 1-12 and horse 1-18; a missing file
// is made of blank slots when create is set, else nothing happens.
void putRunnerLine(StoreImage& image, SjisView line, int race, int horse, bool create);

}  // namespace vantor
