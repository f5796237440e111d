#include "fileio/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>

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

constexpr std::string_view kTemporaryMark = ".tmp-";

// A name no other writer in this or another process is using: the file is
// created exclusively, and the name ("." + name + ".tmp-" + process id +
// "-" + counter) carries the process id and a counter. Whatever holds the
// name already, a link included, is never opened.
FileDescriptor createTemporary(const std::filesystem::path& path, std::filesystem::path& tempPath) {
    static std::atomic<unsigned> counter{0};
    static const std::string pid = std::to_string(::getpid());
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = folderOf(path) / ("." + path.filename().string() + std::string(kTemporaryMark) + pid + "-" +
                                     std::to_string(counter++));
        FileDescriptor fd(::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (fd.valid() || errno != EEXIST) return fd;
    }
    return FileDescriptor(-1);
}

bool allDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The process id in a name createTemporary makes, or 0 for any other name.
pid_t writerOfTemporary(std::string_view name) {
    const std::size_t mark = name.rfind(kTemporaryMark);
    if (!name.starts_with('.') || mark == std::string_view::npos || mark < 2) return 0;
    const std::string_view rest = name.substr(mark + kTemporaryMark.size());
    const std::size_t dash = rest.find('-');
    if (dash == std::string_view::npos || !allDigits(rest.substr(0, dash)) || !allDigits(rest.substr(dash + 1)) ||
        dash > 9)
        return 0;
    return static_cast<pid_t>(std::stol(std::string(rest.substr(0, dash))));
}

bool processHasEnded(pid_t pid) { return pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH; }

void syncFolder(const std::filesystem::path& folder) {
    const FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) ::fsync(fd.get());  // the rename is done; this only makes it durable sooner
}

}  // namespace

ReadRange readRange(std::size_t size, const ReadBound& bound) {
    std::size_t offset = 0;
    if (bound.from == ReadFrom::end && size > bound.maxBytes) {
        const std::size_t unit = std::max<std::size_t>(bound.unit, 1);
        offset = (size - bound.maxBytes + unit - 1) / unit * unit;
    }
    offset = std::min(offset, size);
    return {offset, std::min(size - offset, bound.maxBytes)};
}

FileContent readWholeFile(const std::filesystem::path& path) { return readFilePart(path, ReadBound{}); }

FileContent readFilePart(const std::filesystem::path& path, const ReadBound& bound) {
    // Non-blocking so that opening a pipe cannot hang; regular files ignore the flag.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid()) return {errno == ENOENT ? FileContent::Status::missing : FileContent::Status::unreadable, {}};
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return {FileContent::Status::unreadable, {}};

    const auto [offset, length] = readRange(static_cast<std::size_t>(info.st_size), bound);
    FileContent content{FileContent::Status::ok, {}};
    content.bytes.resize(length);
    std::size_t done = 0;
    while (done < content.bytes.size()) {
        const ssize_t n = ::pread(fd.get(), content.bytes.data() + done, content.bytes.size() - done,
                                  static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return {FileContent::Status::unreadable, {}};
        if (n == 0) break;  // the file shrank meanwhile
        done += static_cast<std::size_t>(n);
    }
    content.bytes.resize(done);
    return content;
}

bool replaceWholeFile(const std::filesystem::path& path, std::string_view content, Durability durability) {
    if (!path.has_filename()) return false;
    std::filesystem::path tempPath;
    FileDescriptor fd = createTemporary(path, tempPath);
    if (!fd.valid()) return false;

    // An existing file keeps its permission bits; the new one has the
    // process's default bits, so only a file with other bits needs a change.
    struct stat old {
    }, made{};
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

int removeLeftTemporaries(const std::filesystem::path& folder) {
    // Only a writer that no longer runs can have left a file for good; the
    // temporaries of this process and of any other running one are in use.
    int removed = 0;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const pid_t writer = writerOfTemporary(name);
        if (writer == 0 || writer == ::getpid() || !processHasEnded(writer)) continue;
        std::error_code typeError;
        if (it->symlink_status(typeError).type() != std::filesystem::file_type::regular) continue;
        if (::unlink(it->path().c_str()) == 0) ++removed;
    }
    return removed;
}

}  // namespace vantor
