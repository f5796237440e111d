#include "export/store_files.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>
#include <optional>

#include "store/live_folder.h"
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
// The table kind of a live day's file; none for the files no table holds (O3-O6).
std::optional<FileKind> liveFileKind(LiveFileId id) {
    switch (id) {
        case LiveFileId::changes:
            return FileKind::liveChanges;
        case LiveFileId::weights:
            return FileKind::liveWeights;
        case LiveFileId::oddsO1:
        case LiveFileId::oddsO2:
            return FileKind::liveOdds;
        case LiveFileId::series:
            return FileKind::liveSeries;
        default:
            return std::nullopt;
    }
}

void scanFiles(const fs::path& folder, const std::string& prefix, KindOfName kindOf, std::vector<StoreFile>& out) {
    Folder entries(folder);
    while (const char* name = entries.next())
        if (const auto kind = kindOf(name)) addFile(entries, prefix, name, *kind, out);
}

// A race day's live files (live_folder.h): the earlier layout's per-race
// series only while the day's series file is absent, as the day loads them.
void scanLiveDay(const fs::path& folder, const std::string& prefix, std::vector<StoreFile>& out) {
    Folder entries(folder);
    std::vector<std::string> earlier;
    bool daySeries = false;
    while (const char* name = entries.next()) {
        const auto of = liveFolderName(name);
        const auto kind = of ? liveFileKind(of->id) : std::nullopt;
        if (!kind) continue;
        if (of->earlier) {
            earlier.emplace_back(name);
            continue;
        }
        daySeries = daySeries || of->id == LiveFileId::series;
        addFile(entries, prefix, name, *kind, out);
    }
    if (daySeries) return;
    for (const std::string& name : earlier) addFile(entries, prefix, name.c_str(), FileKind::liveSeries, out);
}

// The files of the subfolders (years, race days) whose names pass, each
// subfolder scanned by scanOne(folder, prefix, out).
template <class ScanOne>
void scanSubfolders(const fs::path& folder, const std::string& prefix, bool (*subfolder)(std::string_view),
                    ScanOne scanOne, std::vector<StoreFile>& out) {
    Folder entries(folder);
    while (const char* name = entries.next()) {
        struct stat st {};
        if (subfolder(name) && entries.look(name, st) && S_ISDIR(st.st_mode))
            scanOne(folder / name, prefix + name + "/", out);
    }
}

// Scans a subfolder for the files of one kind.
auto filesOf(KindOfName kindOf) {
    return [kindOf](const fs::path& folder, const std::string& prefix, std::vector<StoreFile>& out) {
        scanFiles(folder, prefix, kindOf, out);
    };
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
    scanSubfolders(paths.seirDir(), prefixOf(paths.seirDir(), app), anyName, filesOf(outsideRaceKind), files);
    scanSubfolders(paths.seiDir(), prefixOf(paths.seiDir(), app), anyName, filesOf(horseRunKind), files);
    scanSubfolders(paths.um2Dir(), prefixOf(paths.um2Dir(), app), anyName, filesOf(horseMasterKind), files);
    scanSubfolders(paths.liveDir(), prefixOf(paths.liveDir(), app), raceDayName, scanLiveDay, files);
    std::ranges::sort(files, [](const StoreFile& a, const StoreFile& b) {
        return std::tie(a.kind, a.path) < std::tie(b.kind, b.path);
    });
    return files;
}

}  // namespace vantor::sqlexport
