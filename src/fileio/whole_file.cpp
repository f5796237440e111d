#include "fileio/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace vantor {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    FileDescriptor& operator=(FileDescriptor&&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now so that a failing close can be seen.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::filesystem::path folderOf(const std::filesystem::path& path) {
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

// A name no other writer in this or another process is using: the file is
// created exclusively, and the name carries the process id and a counter.
FileDescriptor createTemporary(const std::filesystem::path& path, std::filesystem::path& tempPath) {
    static std::atomic<unsigned> counter{0};
    static const std::string pid = std::to_string(::getpid());
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = folderOf(path) / ("." + path.filename().string() + ".tmp-" + pid + "-" + std::to_string(counter++));
        FileDescriptor fd(::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd.valid() || errno != EEXIST) return fd;
    }
    return FileDescriptor(-1);
}

void syncFolder(const std::filesystem::path& folder) {
    const FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) ::fsync(fd.get());  // the rename is done; this only makes it durable sooner
}

}  // namespace

FileContent readWholeFile(const std::filesystem::path& path) {
    // Non-blocking so that opening a pipe cannot hang; regular files ignore the flag.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid()) return {errno == ENOENT ? FileContent::Status::missing : FileContent::Status::unreadable, {}};
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return {FileContent::Status::unreadable, {}};

    FileContent content{FileContent::Status::ok, {}};
    content.bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return {FileContent::Status::unreadable, {}};
        if (n == 0) return content;
        content.bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

bool replaceWholeFile(const std::filesystem::path& path, std::string_view content, Durability durability) {
    if (!path.has_filename()) return false;
    std::filesystem::path tempPath;
    FileDescriptor fd = createTemporary(path, tempPath);
    if (!fd.valid()) return false;

    // An existing file keeps its permission bits; the new one has the
    // process's default bits, so only a file with other bits needs a change.
    struct stat old {}, made {};
    const bool keepMode = ::stat(path.c_str(), &old) == 0 && ::fstat(fd.get(), &made) == 0 &&
                          (old.st_mode & 07777) != (made.st_mode & 07777);
    const bool written = writeAll(fd.get(), content) && (!keepMode || ::fchmod(fd.get(), old.st_mode & 07777) == 0) &&
                         (durability == Durability::renameOnly || ::fsync(fd.get()) == 0);
    if (!fd.close() || !written || ::rename(tempPath.c_str(), path.c_str()) != 0) {
        ::unlink(tempPath.c_str());
        return false;
    }
    if (durability == Durability::flushed) syncFolder(folderOf(path));
    return true;
}

}  // namespace vantor
