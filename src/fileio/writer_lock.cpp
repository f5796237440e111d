#include "fileio/writer_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <optional>
#include <sstream>

#include "text/printable_text.h"

namespace vantor {
namespace {

std::string now() {
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tm{};
    localtime_r(&t, &tm);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &tm);
    return text;
}

// What the holder wrote: its command, process id and start, a line each.
std::string holderText(int fd) {
    char buffer[1024];
    const ssize_t n = pread(fd, buffer, sizeof buffer, 0);
    std::istringstream in(std::string(buffer, n > 0 ? static_cast<std::size_t>(n) : 0));
    std::string who, pid, since;
    if (!std::getline(in, who) || !std::getline(in, pid) || !std::getline(in, since) || who.empty())
        return "プログラムフォルダは他のプログラムが書き込み中です。";
    // Another program may have written anything there: only printable text is shown.
    return "プログラムフォルダは " + printableText(who) + " (プロセス " + printableText(pid, 20) + ", " +
           printableText(since, 40) + " から) が書き込み中です。";
}

// Why the open file is no lock file of the folder's own; nothing when it is.
std::optional<std::string> notOwnRegularFile(int fd) {
    struct stat info {};
    if (fstat(fd, &info) != 0) return std::string(" (") + std::strerror(errno) + ")";
    if (!S_ISREG(info.st_mode)) return std::string(" は通常のファイルではありません。削除してください。");
    if (info.st_nlink != 1) return std::string(" は他のファイルへのハードリンクです。削除してください。");
    return std::nullopt;
}

}  // namespace

std::variant<WriterLock, std::string> WriterLock::take(const std::filesystem::path& folder, std::string_view who,
                                                       bool wait) {
    const std::filesystem::path file = folder / kWriterLockFile;
    const std::string cannot = "プログラムフォルダをロックできません: " + file.string();
    // The file is emptied and written: only a regular file of the folder's
    // own, never what a link or a second name of another file leads to.
    const int fd = open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0 && errno == ELOOP) return cannot + " はシンボリックリンクです。削除してください。";
    if (fd < 0) return cannot + " (" + std::strerror(errno) + ")";
    if (auto wrong = notOwnRegularFile(fd)) {
        close(fd);
        return cannot + *wrong;
    }
    int r;
    do {
        r = flock(fd, wait ? LOCK_EX : LOCK_EX | LOCK_NB);
    } while (r != 0 && errno == EINTR);
    if (r != 0) {
        const int error = errno;
        std::string message = error == EWOULDBLOCK ? holderText(fd) : cannot + " (" + std::strerror(error) + ")";
        close(fd);
        return message;
    }
    const std::string holder = std::string(who) + '\n' + std::to_string(getpid()) + '\n' + now() + '\n';
    // Who holds the folder is only told to others; failing to tell it does not stop the writer.
    [[maybe_unused]] const bool told =
        ftruncate(fd, 0) == 0 && pwrite(fd, holder.data(), holder.size(), 0) == static_cast<ssize_t>(holder.size());
    return WriterLock(fd);
}

WriterLock& WriterLock::operator=(WriterLock&& other) noexcept {
    if (this != &other) {
        release();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

void WriterLock::release() {
    if (fd_ < 0) return;
    // Emptied while still held, so that no later holder's text is cut.
    [[maybe_unused]] const int emptied = ftruncate(fd_, 0);
    close(fd_);  // gives the lock back
    fd_ = -1;
}

}  // namespace vantor
