#pragma once
// Whole-file reading and crash-safe replacement.

#include <filesystem>
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

// Writes content to a temporary file in the same folder, flushes it to disk
// and renames it over path, so that path always holds either the old or the
// new content in full. An existing file keeps its permission bits. Returns
// false, leaving path untouched and no temporary file behind, on any failure.
bool replaceWholeFile(const std::filesystem::path& path, std::string_view content);

}  // namespace vantor
