#pragma once
// The store files of one day load. A file that several races or runs need
// (a runner file, a past day's race file, an outside race file) is read on
// first use and kept until the load ends, so every store file is read once
// per load. Records are cut from the bytes; a tail shorter than a record
// (a truncated file) is ignored.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <unordered_map>

#include "fileio/whole_file.h"
#include "text/sjis.h"

namespace vantor {

// Reads a whole file; tests count reads through their own.
using FileReader = std::function<FileContent(const std::filesystem::path&)>;

// Whole records of `length` bytes in bytes.
constexpr std::size_t recordCount(SjisView bytes, std::size_t length) { return bytes.size() / length; }
constexpr SjisView recordAt(SjisView bytes, std::size_t length, std::size_t index) {
    return bytes.substr(index * length, length);
}

class LoadFiles {
public:
    explicit LoadFiles(FileReader reader) : reader_(std::move(reader)) {}

    // A file needed once; valid until the next read().
    const FileContent& read(const std::filesystem::path& path) {
        current_ = reader_(path);
        return current_;
    }

    // A file shared by several lookups, known by a short key (the day or
    // the day and course it holds); makePath() names it on first use. A
    // missing or unreadable file gives no bytes.
    template <class MakePath>
    SjisView shared(const std::string& key, MakePath&& makePath) {
        auto it = shared_.find(key);
        if (it == shared_.end()) {
            FileContent content = reader_(makePath());
            if (content.status != FileContent::Status::ok) content.bytes.clear();
            it = shared_.emplace(key, std::move(content.bytes)).first;
        }
        return it->second;
    }

    // Ends the load: the shared files are let go.
    void forget() {
        shared_.clear();
        current_ = {};
    }

    const FileReader& reader() const { return reader_; }

private:
    FileReader reader_;
    FileContent current_;
    std::unordered_map<std::string, std::string> shared_;
};

}  // namespace vantor
