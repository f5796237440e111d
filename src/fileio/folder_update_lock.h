#pragma once
// Serialises short read-change-replace updates of the files of one folder,
// between processes and threads alike: an exclusive flock on the folder
// itself, held while the object lives. A file that is replaced by a rename
// cannot carry such a lock, and the folder needs no lock file of its own.
// Where the folder cannot be opened the update goes on unlocked; it then
// fails, or not, on its own.

#include <filesystem>

namespace vantor {

class FolderUpdateLock {
public:
    explicit FolderUpdateLock(const std::filesystem::path& folder);
    ~FolderUpdateLock();
    FolderUpdateLock(const FolderUpdateLock&) = delete;
    FolderUpdateLock& operator=(const FolderUpdateLock&) = delete;

private:
    int fd_ = -1;
};

}  // namespace vantor
