#pragma once
// Files and folders held in memory, for the fuzz targets and tests:
// they behave as the disk does where the store relies on it. A missing file
// reads as missing and a folder or a file marked unreadable as unreadable;
// a replacement needs its folder to exist and the path not to be a folder,
// and takes effect whole or not at all. Nothing a replacement writes is
// ever left half-written, so there are no temporaries to remove. Safe to
// use from several threads.

#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>

#include "fileio/file_access.h"

namespace vantor {

class MemoryFiles final : public FileAccess {
public:
    FileContent readPart(const std::filesystem::path& path, const ReadBound& bound) override;
    bool replace(const std::filesystem::path& path, std::string_view content, Durability durability) override;
    bool makeFolders(const std::filesystem::path& folder) override;
    int removeLeftTemporaries(const std::filesystem::path&) override { return 0; }
    std::vector<std::string> fileNames(const std::filesystem::path& folder) override;
    bool remove(const std::filesystem::path& file) override;

    // Puts a file, making its folders.
    void put(const std::filesystem::path& path, std::string_view content);
    // The file is there but cannot be read (as without read permission).
    void makeUnreadable(const std::filesystem::path& path);
    // Calls visit with every file's path and bytes, in path order.
    void forEachFile(const std::function<void(const std::string& path, std::string_view bytes)>& visit) const;
    // Forgets every file and folder.
    void clear();

private:
    static std::string keyOf(const std::filesystem::path& path);
    bool isFolder(const std::string& key) const { return key.empty() || folders_.contains(key); }
    bool makeFoldersLocked(const std::string& key);

    mutable std::mutex lock_;
    std::map<std::string, std::string> files_;
    std::set<std::string> folders_, unreadable_;
};

}  // namespace vantor
