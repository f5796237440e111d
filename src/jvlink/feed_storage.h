#pragma once
// The operations of the JV-Link replacement on its feed folder, behind one
// small interface: the program works on the disk (diskFeedStorage()), the
// fuzz targets on a folder held in memory, so that the same listing, open,
// download and read run without a file system round trip per file.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vantor {

class FeedStorage {
public:
    virtual ~FeedStorage() = default;

    struct Entry {
        std::string name;
        bool plainFile = false;  // a regular file, links followed
    };
    // The entries directly in folder into entries (emptied first); false
    // when the folder cannot be listed (missing, a file, unreadable).
    virtual bool list(const std::filesystem::path& folder, std::vector<Entry>& entries) = 0;

    struct FileStamp {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified;
        friend bool operator==(const FileStamp&, const FileStamp&) = default;
    };
    // The size and modification time of a regular file, links followed;
    // none for anything else.
    virtual std::optional<FileStamp> stampOf(const std::filesystem::path& path) = 0;
    // True when something other than a regular file holds the name itself
    // (a folder, a pipe, a link of any kind).
    virtual bool heldByOther(const std::filesystem::path& path) = 0;
    // A folder's modification time; none when it is not known, and then
    // whoever keeps a listing of the folder lists it again.
    virtual std::optional<std::filesystem::file_time_type> folderModified(const std::filesystem::path& folder) = 0;
    // As readFeedFile.
    virtual bool read(const std::filesystem::path& path, std::string& out) = 0;
    // Copies a regular file to target, making its folder, with the
    // source's modification time; the copy is never seen half made under
    // target's name. False when nothing was copied.
    virtual bool copyWithTime(const std::filesystem::path& source, const std::filesystem::path& target) = 0;
};

// The feed folder on disk.
FeedStorage& diskFeedStorage();

}  // namespace vantor
