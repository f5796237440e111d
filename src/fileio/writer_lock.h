#pragma once
// One writer at a time in a folder: an exclusive advisory lock (flock) on
// the file "vantor.lock" in it. The system releases the lock when its
// holder ends, however it ends, so a killed writer never leaves a stale
// lock behind. The holder writes who it is into the file, so that a
// writer that is refused can say who holds the folder; the file is
// emptied again when the lock is given back. Only a regular file of the
// folder's own is used: a link or a second name of another file in its
// place is refused, so nothing outside the folder is ever emptied.

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace vantor {

inline constexpr const char* kWriterLockFile = "vantor.lock";

class WriterLock {
public:
    // Takes the lock of folder for the program described by who (such as
    // "vantor-cli acquire"). When another process holds it: waits until it
    // is free when wait is set, and otherwise gives at once a message
    // (UTF-8) that names the holder: command, process id, since when.
    static std::variant<WriterLock, std::string> take(const std::filesystem::path& folder, std::string_view who,
                                                      bool wait);

    WriterLock(WriterLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    WriterLock& operator=(WriterLock&& other) noexcept;
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;
    ~WriterLock() { release(); }

private:
    explicit WriterLock(int fd) : fd_(fd) {}
    void release();

    int fd_ = -1;
};

}  // namespace vantor
