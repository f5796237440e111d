#include "export/store_files.h"

#include <algorithm>
#include <array>
#include <chrono>

#include "text/sjis.h"

namespace vantor::sqlexport {
namespace fs = std::filesystem;
namespace {

struct Place {
    FileKind kind;
    std::string_view extension;
    bool inYearFolders;
};

void addFile(const fs::directory_entry& entry, const fs::path& appDir, FileKind kind, std::vector<StoreFile>& out) {
    std::error_code error;
    if (!entry.is_regular_file(error)) return;
    const auto size = entry.file_size(error);
    if (error) return;
    const auto mtime = entry.last_write_time(error);
    if (error) return;
    const long long ns = std::chrono::duration_cast<std::chrono::nanoseconds>(mtime.time_since_epoch()).count();
    out.push_back({entry.path().lexically_relative(appDir).generic_string(),
                   entry.path(),
                   {static_cast<long long>(size), ns},
                   kind});
}

void scanFolder(const fs::path& folder, const fs::path& appDir, const Place& place, std::vector<StoreFile>& out) {
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (place.inYearFolders) {
            if (it->is_directory(error)) scanFolder(it->path(), appDir, {place.kind, place.extension, false}, out);
        } else if (it->path().extension() == place.extension) {
            addFile(*it, appDir, place.kind, out);
        }
    }
}

// The live files of the race days' folders Live/<yyyymmdd>/.
void scanLiveFolders(const fs::path& liveDir, const fs::path& appDir, std::vector<StoreFile>& out) {
    std::error_code error;
    for (fs::directory_iterator day(liveDir, error), end; !error && day != end; day.increment(error)) {
        const std::string name = day->path().filename().string();
        std::error_code ignored;
        if (name.size() != 8 || !isAllDigits(name) || !day->is_directory(ignored)) continue;
        for (fs::directory_iterator it(day->path(), ignored); !ignored && it != end; it.increment(ignored)) {
            const std::string file = it->path().filename().string();
            if (file == "changes.jvd")
                addFile(*it, appDir, FileKind::liveChanges, out);
            else if (file == "weights.jvd")
                addFile(*it, appDir, FileKind::liveWeights, out);
            else if (file == "odds_O1.jvd" || file == "odds_O2.jvd")
                addFile(*it, appDir, FileKind::liveOdds, out);
            else if (file.ends_with("_series.jvd"))
                addFile(*it, appDir, FileKind::liveSeries, out);
        }
    }
}

}  // namespace

std::vector<StoreFile> scanStore(const StorePaths& paths) {
    const std::array<std::pair<fs::path, Place>, 7> places{{
        {paths.dataDir(), {FileKind::dayRaces, ".jvRA", false}},
        {paths.dataDir(), {FileKind::dayRunners, ".jvSEr", false}},
        {paths.dataDir(), {FileKind::dayPayouts, ".jvHR", false}},
        {paths.dataDir(), {FileKind::dayOdds, ".yoz", false}},
        {paths.seirDir(), {FileKind::outsideRaces, ".jvSERA", true}},
        {paths.seiDir(), {FileKind::horseRuns, ".jvSEI", true}},
        {paths.um2Dir(), {FileKind::horseMasters, ".jvUM2", true}},
    }};
    std::vector<StoreFile> files;
    for (const auto& [folder, place] : places) scanFolder(folder, paths.appDir(), place, files);
    scanLiveFolders(paths.liveDir(), paths.appDir(), files);
    std::ranges::sort(files, [](const StoreFile& a, const StoreFile& b) {
        return std::tie(a.kind, a.path) < std::tie(b.kind, b.path);
    });
    return files;
}

}  // namespace vantor::sqlexport
