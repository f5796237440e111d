#pragma once
// The store files of one day load. A file that several races need (a
// runner file) is read on first use and kept until the load ends; a file
// needed once (a horse's history, a past race file) is held only until the
// next read, so every store file is read once per load. Records are cut
// from the bytes; a tail shorter than a record (a truncated file) is
// ignored. No file is read further than it can
// sensibly hold (store_bounds.h).

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <unordered_map>

#include "fileio/file_access.h"
#include "fileio/whole_file.h"
#include "store/store_bounds.h"
#include "text/sjis.h"

namespace vantor {

// Reads a file within a bound; tests count reads through their own.
using FileReader = std::function<FileContent(const std::filesystem::path&, const ReadBound&)>;

// The first `count` records of `length` bytes.
constexpr ReadBound firstRecords(std::size_t count, std::size_t length) { return {count * length}; }
// A runner file's 216 slots.
inline constexpr ReadBound kRunnerFileBound{kRunnerFileBytes};
// A horse's history: its newest runs, from the end of the file.
inline constexpr ReadBound kHistoryBound{kKeyedFileRecordLimit * jvdata::kSeLength, ReadFrom::end, jvdata::kSeLength};

// Whole records of `length` bytes in bytes.
constexpr std::size_t recordCount(SjisView bytes, std::size_t length) { return bytes.size() / length; }
constexpr SjisView recordAt(SjisView bytes, std::size_t length, std::size_t index) {
    return bytes.substr(index * length, length);
}

// A two-byte code (racecourse, race number) as 16 key bits; other sizes give 0.
constexpr std::uint64_t twoByteKey(SjisView code) {
    if (code.size() != 2) return 0;
    return static_cast<std::uint64_t>(static_cast<unsigned char>(code[0])) << 8 | static_cast<unsigned char>(code[1]);
}

class LoadFiles {
public:
    // Reads through reader; what the load writes (a converted horse master)
    // goes through files.
    LoadFiles(FileReader reader, FileAccess& files) : reader_(std::move(reader)), files_(files) {}

    // A file needed once; valid until the next read().
    const FileContent& read(const std::filesystem::path& path, const ReadBound& bound) {
        current_ = reader_(path, bound);
        return current_;
    }

    // What a file of the load holds.
    enum class Kind : std::uint64_t { runners = 1, dayRaces, outsideRaces };

    // The key of a file of the load: its kind, date (yyyymmdd) and racecourse
    // code (two bytes, or none).
    static constexpr std::uint64_t key(Kind kind, long long date, SjisView code = {}) {
        return static_cast<std::uint64_t>(kind) << 56 | static_cast<std::uint64_t>(date) << 16 | twoByteKey(code);
    }

    // A file shared by several lookups, known by its key; makePath() names
    // it on first use. A missing or unreadable file gives no bytes.
    template <class MakePath>
    SjisView shared(std::uint64_t key, MakePath&& makePath, const ReadBound& bound) {
        auto it = shared_.find(key);
        if (it == shared_.end()) {
            FileContent content = reader_(makePath(), bound);
            if (content.status != FileContent::Status::ok) content.bytes.clear();
            it = shared_.emplace(key, std::move(content.bytes)).first;
        }
        return sjisBytes(it->second);
    }

    // Ends the load: the shared files are let go.
    void forget() {
        shared_.clear();
        current_ = {};
    }

    const FileReader& reader() const { return reader_; }
    FileAccess& access() const { return files_; }

private:
    FileReader reader_;
    FileAccess& files_;
    FileContent current_;
    std::unordered_map<std::uint64_t, std::string> shared_;
};

}  // namespace vantor
