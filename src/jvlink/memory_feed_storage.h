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
#include <string_view>

#include "jvlink/feed_storage.h"

namespace vantor {

class MemoryFeedStorage final : public FeedStorage {
public:
    bool list(const std::filesystem::path& folder, std::vector<Entry>& entries) override {
        entries.clear();
        const std::string& key = keyOf(folder);
        if (!folders_.contains(key)) return false;
        const std::string prefix = key + '/';
        for (auto it = files_.lower_bound(prefix); it != files_.end() && it->first.starts_with(prefix);) {
            const std::size_t slash = it->first.find('/', prefix.size());
            if (slash == std::string::npos) {
                entries.push_back({it->first.substr(prefix.size()), true});
                ++it;
            } else {
                // The files of a subfolder are no entries: past them in one step ('0' follows '/').
                it = files_.lower_bound(it->first.substr(0, slash) + '0');
            }
        }
        for (auto it = folders_.lower_bound(prefix); it != folders_.end() && it->starts_with(prefix); ++it)
            if (it->find('/', prefix.size()) == std::string::npos)
                entries.push_back({it->substr(prefix.size()), false});
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
        return putKey(keyOf(path.parent_path()), keyOf(path), std::move(bytes));
    }
    // The same for the file name in folder: many files put into one folder
    // make no path each.
    bool put(const std::filesystem::path& folder, std::string_view name, std::string bytes) {
        const std::string& folderKey = keyOf(folder);
        std::string key;
        key.reserve(folderKey.size() + 1 + name.size());
        key.append(folderKey).append(1, '/').append(name);
        return putKey(folderKey, std::move(key), std::move(bytes));
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

    bool putKey(const std::string& folder, std::string key, std::string bytes) {
        if (!folders_.contains(folder) || folders_.contains(key)) return false;
        files_.insert_or_assign(std::move(key),
                                File{std::move(bytes), std::filesystem::file_time_type(std::chrono::seconds(++puts_))});
        return true;
    }

    std::map<std::string, File, std::less<>> files_;
    std::set<std::string, std::less<>> folders_;
    long long puts_ = 0;
};

}  // namespace vantor
