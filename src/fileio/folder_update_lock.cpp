#include "fileio/folder_update_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace vantor {

FolderUpdateLock::FolderUpdateLock(const std::filesystem::path& folder) {
    const std::filesystem::path dir = folder.empty() ? std::filesystem::path(".") : folder;
    fd_ = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) return;
    int r = 0;
    do r = flock(fd_, LOCK_EX);
    while (r != 0 && errno == EINTR);
}

FolderUpdateLock::~FolderUpdateLock() {
    if (fd_ >= 0) close(fd_);  // closing releases the lock
}

}  // namespace vantor
