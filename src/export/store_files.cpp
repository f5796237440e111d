#include "export/store_files.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>
#include <optional>

#include "text/sjis.h"

namespace vantor::sqlexport {
namespace fs = std::filesystem;
namespace {

// An open folder, read entry by entry; its entries are looked at from the
// folder (fstatat), not by their whole paths again.
class Folder {
public:
    explicit Folder(const fs::path& path) : dir_(::opendir(path.c_str())) {}
    ~Folder() {
        if (dir_) ::closedir(dir_);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    // The next entry's name; nullptr at the end.
    const char* next() {
        while (dir_) {
            const dirent* entry = ::readdir(dir_);
            if (!entry) return nullptr;
            if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) return entry->d_name;
        }
        return nullptr;
    }
    // What the entry is, through a link; false when it cannot be looked at.
    bool look(const char* name, struct stat& st) const { return ::fstatat(::dirfd(dir_), name, &st, 0) == 0; }

private:
    DIR* dir_;
};

// The modification time as the file clock counts it (as last_write_time
// gives it), so that the stamps of earlier exports stay comparable.
long long modified(const struct stat& st) {
    using namespace std::chrono;
    const sys_time<nanoseconds> sys{seconds(st.st_mtim.tv_sec) + nanoseconds(st.st_mtim.tv_nsec)};
    return duration_cast<nanoseconds>(file_clock::from_sys(sys).time_since_epoch()).count();
}

// The entry of the folder (prefix: the folder's path from the program
// folder, with a "/" at the end) when it is a regular file.
void addFile(const Folder& folder, const std::string& prefix, const char* name, FileKind kind,
             std::vector<StoreFile>& out) {
    struct stat st {};
    if (folder.look(name, st) && S_ISREG(st.st_mode))
        out.push_back({prefix + name, {static_cast<long long>(st.st_size), modified(st)}, kind});
}

// A file name's kind in a folder; nothing for a name of no kind there.
using KindOfName = std::optional<FileKind> (*)(std::string_view name);

bool hasExtension(std::string_view name, std::string_view extension) {
    return name.size() > extension.size() && name.ends_with(extension);
}

std::optional<FileKind> dataFileKind(std::string_view name) {
    constexpr std::pair<std::string_view, FileKind> kinds[] = {{".jvRA", FileKind::dayRaces},
                                                               {".jvSEr", FileKind::dayRunners},
                                                               {".jvHR", FileKind::dayPayouts},
                                                               {".yoz", FileKind::dayOdds}};
    for (const auto& [extension, kind] : kinds)
        if (hasExtension(name, extension)) return kind;
    return std::nullopt;
}
std::optional<FileKind> outsideRaceKind(std::string_view name) {
    return hasExtension(name, ".jvSERA") ? std::optional(FileKind::outsideRaces) : std::nullopt;
}
std::optional<FileKind> horseRunKind(std::string_view name) {
    return hasExtension(name, ".jvSEI") ? std::optional(FileKind::horseRuns) : std::nullopt;
}
std::optional<FileKind> horseMasterKind(std::string_view name) {
    return hasExtension(name, ".jvUM2") ? std::optional(FileKind::horseMasters) : std::nullopt;
}
std::optional<FileKind> liveFileKind(std::string_view name) {
    if (name == "changes.jvd") return FileKind::liveChanges;
    if (name == "weights.jvd") return FileKind::liveWeights;
    if (name == "odds_O1.jvd" || name == "odds_O2.jvd") return FileKind::liveOdds;
    if (name.ends_with("_series.jvd")) return FileKind::liveSeries;
    return std::nullopt;
}

void scanFiles(const fs::path& folder, const std::string& prefix, KindOfName kindOf, std::vector<StoreFile>& out) {
    Folder entries(folder);
    while (const char* name = entries.next())
        if (const auto kind = kindOf(name)) addFile(entries, prefix, name, *kind, out);
}

// The files of the subfolders (years, race days) whose names pass.
void scanSubfolders(const fs::path& folder, const std::string& prefix, bool (*subfolder)(std::string_view),
                    KindOfName kindOf, std::vector<StoreFile>& out) {
    Folder entries(folder);
    while (const char* name = entries.next()) {
        struct stat st {};
        if (subfolder(name) && entries.look(name, st) && S_ISDIR(st.st_mode))
            scanFiles(folder / name, prefix + name + "/", kindOf, out);
    }
}

bool anyName(std::string_view) { return true; }
bool raceDayName(std::string_view name) { return name.size() == 8 && isAllDigits(name); }

// The folder's path from the program folder, with a "/" at the end.
std::string prefixOf(const fs::path& folder, const fs::path& appDir) {
    return folder.lexically_relative(appDir).generic_string() + "/";
}

}  // namespace

std::vector<StoreFile> scanStore(const StorePaths& paths) {
    const fs::path& app = paths.appDir();
    std::vector<StoreFile> files;
    scanFiles(paths.dataDir(), prefixOf(paths.dataDir(), app), dataFileKind, files);
    scanSubfolders(paths.seirDir(), prefixOf(paths.seirDir(), app), anyName, outsideRaceKind, files);
    scanSubfolders(paths.seiDir(), prefixOf(paths.seiDir(), app), anyName, horseRunKind, files);
    scanSubfolders(paths.um2Dir(), prefixOf(paths.um2Dir(), app), anyName, horseMasterKind, files);
    scanSubfolders(paths.liveDir(), prefixOf(paths.liveDir(), app), raceDayName, liveFileKind, files);
    std::ranges::sort(files, [](const StoreFile& a, const StoreFile& b) {
        return std::tie(a.kind, a.path) < std::tie(b.kind, b.path);
    });
    return files;
}

}  // namespace vantor::sqlexport
