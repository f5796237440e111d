#pragma once
// A feed folder held in memory, for the fuzz targets and tests: files and
// folders by their paths as the replacement spells them, every file plain
// and readable, each file put given a modification time of its own, copies
// made whole at once with their source's time.

#include <chrono>
#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "jvlink/feed_storage.h"

namespace vantor {

class MemoryFeedStorage final : public FeedStorage {
public:
    bool list(const std::filesystem::path& folder, std::vector<Entry>& entries) override {
        entries.clear();
        const std::string& key = keyOf(folder);
        if (!folders_.contains(key)) return false;
        const std::string prefix = key + '/';
        const auto direct = [&prefix](const std::string& path) {
            return path.starts_with(prefix) && path.find('/', prefix.size()) == std::string::npos;
        };
        for (auto it = files_.lower_bound(prefix); it != files_.end() && it->first.starts_with(prefix); ++it)
            if (direct(it->first)) entries.push_back({it->first.substr(prefix.size()), true});
        for (auto it = folders_.lower_bound(prefix); it != folders_.end() && it->starts_with(prefix); ++it)
            if (direct(*it)) entries.push_back({it->substr(prefix.size()), false});
        return true;
    }
    std::optional<FileStamp> stampOf(const std::filesystem::path& path) override {
        const auto it = files_.find(keyOf(path));
        if (it == files_.end()) return std::nullopt;
        return FileStamp{it->second.bytes.size(), it->second.modified};
    }
    bool heldByOther(const std::filesystem::path& path) override { return folders_.contains(keyOf(path)); }
    std::optional<std::filesystem::file_time_type> folderModified(const std::filesystem::path&) override {
        return std::nullopt;
    }
    bool read(const std::filesystem::path& path, std::string& out) override {
        const auto it = files_.find(keyOf(path));
        if (it == files_.end()) return false;
        out = it->second.bytes;
        return true;
    }
    bool copyWithTime(const std::filesystem::path& source, const std::filesystem::path& target) override {
        const auto it = files_.find(keyOf(source));
        const std::string& key = keyOf(target);
        if (it == files_.end() || folders_.contains(key)) return false;
        makeFolders(target.parent_path());
        files_[key] = it->second;
        return true;
    }

    // Makes the folder and its parents.
    void makeFolders(const std::filesystem::path& folder) {
        // Up to the first folder that is there already: its parents are too.
        for (std::string key = keyOf(folder); folders_.insert(key).second;) {
            const std::size_t slash = key.rfind('/');
            if (slash == std::string::npos || slash == 0) break;
            key.resize(slash);
        }
    }
    // Puts a file into an existing folder; false when there is none, or a
    // folder holds the name.
    bool put(const std::filesystem::path& path, std::string bytes) {
        const std::string& key = keyOf(path);
        if (!folders_.contains(keyOf(path.parent_path())) || folders_.contains(key)) return false;
        files_[key] = {std::move(bytes), std::filesystem::file_time_type(std::chrono::seconds(++puts_))};
        return true;
    }
    // Calls visit with the path of every folder, then of every file.
    template <class Visit>
    void forEachPath(const Visit& visit) const {
        for (const std::string& path : folders_) visit(path);
        for (const auto& [path, file] : files_) visit(path);
    }
    // Forgets every file and folder.
    void clear() {
        files_.clear();
        folders_.clear();
    }

private:
    struct File {
        std::string bytes;
        std::filesystem::file_time_type modified;
    };
    // The replacement names every path as its folder and a name, so that
    // paths are keys as they are spelt.
    static const std::string& keyOf(const std::filesystem::path& path) { return path.native(); }

    std::map<std::string, File, std::less<>> files_;
    std::set<std::string, std::less<>> folders_;
    long long puts_ = 0;
};

}  // namespace vantor
