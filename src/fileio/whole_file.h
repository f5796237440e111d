#pragma once
// Whole-file reading and crash-safe replacement.

#include <filesystem>
#include <limits>
#include <string>
#include <string_view>

namespace vantor {

struct FileContent {
    enum class Status { ok, missing, unreadable };
    Status status = Status::missing;
    std::string bytes;
};

// The bytes of a regular file. A path that is not a regular file (a folder,
// a pipe) counts as unreadable, and so does any read error.
FileContent readWholeFile(const std::filesystem::path& path);

// How much of a file to read, so that a file grown far beyond what it can
// hold costs no more than a sound one: at most maxBytes, its first bytes,
// or with ReadFrom::end its last ones, starting at a multiple of `unit`
// bytes from the file's start (so that fixed-length records stay whole).
enum class ReadFrom { start, end };
struct ReadBound {
    std::size_t maxBytes = std::numeric_limits<std::size_t>::max();
    ReadFrom from = ReadFrom::start;
    std::size_t unit = 1;
};

// Where a read within the bound of a file of `size` bytes starts, and how
// many bytes it takes.
struct ReadRange {
    std::size_t offset = 0, length = 0;
};
ReadRange readRange(std::size_t size, const ReadBound& bound);

// The bytes of a regular file within the bound, as readWholeFile reads.
FileContent readFilePart(const std::filesystem::path& path, const ReadBound& bound);

enum class Durability {
    // The data reaches the disk before the rename (fsync), so even a power
    // cut leaves the old or the new content: for small files such as the
    // settings.
    flushed,
    // Only the rename makes the change: a killed process or a full disk
    // still leaves the old or the new content whole. For the thousands of
    // store files one acquisition writes, where a flush per file would
    // cost more than the filing itself.
    renameOnly,
};

// Writes content to a temporary file in the same folder and renames it over
// path, so that path always holds either the old or the new content in
// full. An existing file keeps its permission bits. Returns false, leaving
// path untouched and no temporary file behind, on any failure.
bool replaceWholeFile(const std::filesystem::path& path, std::string_view content,
                      Durability durability = Durability::flushed);

// Removes, from folder, the temporary files replaceWholeFile left behind in
// a process that ended before renaming them (a killed one). Files of that
// naming whose process still runs, and every other file, stay. Returns how
// many were removed.
int removeLeftTemporaries(const std::filesystem::path& folder);

}  // namespace vantor
