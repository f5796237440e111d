#include "fileio/memory_files.h"

#include <algorithm>
#include <string_view>

namespace vantor {
namespace {

// Whether a path has no "." or ".." part and no empty one (a doubled or
// ending separator): then it is already in normal form, and the lookups
// that make up most calls need not cut it into a path's parts.
bool isNormal(std::string_view path) {
    if (path.starts_with('/')) path.remove_prefix(1);
    if (path.empty()) return false;
    for (;;) {
        const std::size_t end = std::min(path.find('/'), path.size());
        const std::string_view part = path.substr(0, end);
        if (part.empty() || part == "." || part == "..") return false;
        if (end == path.size()) return true;
        path.remove_prefix(end + 1);
    }
}

}  // namespace

std::string MemoryFiles::keyOf(const std::filesystem::path& path) {
    std::string key = isNormal(path.native()) ? path.native() : path.lexically_normal().native();
    // "a/b/" names the folder "a/b"; "/" stays the root.
    while (key.size() > 1 && key.back() == '/') key.pop_back();
    return key;
}

FileContent MemoryFiles::readPart(const std::filesystem::path& path, const ReadBound& bound) {
    const std::string key = keyOf(path);
    const std::lock_guard guard(lock_);
    if (isFolder(key) || unreadable_.contains(key)) return {FileContent::Status::unreadable, {}};
    const auto it = files_.find(key);
    if (it == files_.end()) return {FileContent::Status::missing, {}};
    const ReadRange range = readRange(it->second.size(), bound);
    return {FileContent::Status::ok, it->second.substr(range.offset, range.length)};
}

bool MemoryFiles::replace(const std::filesystem::path& path, std::string_view content, Durability) {
    if (!path.has_filename()) return false;
    const std::string key = keyOf(path);
    const std::string folder = std::filesystem::path(key).parent_path().native();
    const std::lock_guard guard(lock_);
    if (isFolder(key) || !isFolder(folder)) return false;
    files_[key].assign(content);
    return true;
}

std::vector<std::string> MemoryFiles::fileNames(const std::filesystem::path& folder) {
    const std::string prefix = keyOf(folder) + "/";
    const std::lock_guard guard(lock_);
    std::vector<std::string> names;
    for (auto it = files_.lower_bound(prefix); it != files_.end() && it->first.starts_with(prefix); ++it)
        if (it->first.find('/', prefix.size()) == std::string::npos) names.push_back(it->first.substr(prefix.size()));
    return names;
}

bool MemoryFiles::remove(const std::filesystem::path& file) {
    const std::string key = keyOf(file);
    const std::lock_guard guard(lock_);
    if (isFolder(key)) return false;
    files_.erase(key);
    unreadable_.erase(key);
    return true;
}

bool MemoryFiles::makeFolders(const std::filesystem::path& folder) {
    const std::string key = keyOf(folder);
    const std::lock_guard guard(lock_);
    return makeFoldersLocked(key);
}

bool MemoryFiles::makeFoldersLocked(const std::string& key) {
    if (isFolder(key)) return true;
    if (files_.contains(key)) return false;
    const std::string parent = std::filesystem::path(key).parent_path().native();
    if (parent != key && !makeFoldersLocked(parent)) return false;
    folders_.insert(key);
    return true;
}

void MemoryFiles::put(const std::filesystem::path& path, std::string_view content) {
    const std::string key = keyOf(path);
    const std::lock_guard guard(lock_);
    if (makeFoldersLocked(std::filesystem::path(key).parent_path().native()) && !isFolder(key))
        files_[key].assign(content);
}

void MemoryFiles::makeUnreadable(const std::filesystem::path& path) {
    const std::lock_guard guard(lock_);
    unreadable_.insert(keyOf(path));
}

void MemoryFiles::forEachFile(const std::function<void(const std::string& path, std::string_view bytes)>& visit) const {
    const std::lock_guard guard(lock_);
    for (const auto& [path, bytes] : files_) visit(path, bytes);
}

void MemoryFiles::clear() {
    const std::lock_guard guard(lock_);
    files_.clear();
    folders_.clear();
    unreadable_.clear();
}

}  // namespace vantor
