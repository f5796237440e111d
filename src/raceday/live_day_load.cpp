#include "raceday/live_day_load.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "store/live_folder.h"
#include "store/store_bounds.h"

namespace vantor {
namespace fs = std::filesystem;
namespace {

// The lines of a file's bytes, without their CR LF (Shift-JIS has no CR or LF inside a character).
void splitLines(SjisView bytes, std::vector<SjisView>& lines) {
    lines.clear();
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.bytes().find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = bytes.size();
        if (end > start) lines.push_back(bytes.substr(start, end - start));
        start = end;
        if (start < bytes.size() && bytes[start] == '\r') ++start;
        if (start < bytes.size() && bytes[start] == '\n') ++start;
    }
}

}  // namespace

void loadLiveDay(const StorePaths& paths, SjisView day, LiveDay& live, const FileReader& reader) {
    live.reset(day);
    const fs::path folder = paths.liveDayDir(day);
    struct Named {
        std::string name;
        LiveFolderName of;
    };
    std::vector<Named> files;
    std::array<bool, kLiveFileCount> present{};
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (const auto of = liveFolderName(name)) {
            if (!of->earlier) present[static_cast<std::size_t>(of->id)] = true;
            files.push_back({std::move(name), *of});
        }
    }
    // In name order: the same state whatever order the folder lists them in.
    std::sort(files.begin(), files.end(), [](const Named& a, const Named& b) { return a.name < b.name; });

    std::vector<SjisView> lines;
    lines.reserve(kKeyedFileRecordLimit);
    for (const Named& file : files) {
        // A per-race file of the earlier layout counts until the day's file of its kind is there.
        if (file.of.earlier && present[static_cast<std::size_t>(file.of.id)]) continue;
        const FileContent content = reader(folder / file.name, file.of.bound);
        if (content.status != FileContent::Status::ok) continue;
        splitLines(sjisBytes(content.bytes), lines);
        live.applyAnswer(liveFile(file.of.id).dataspec, lines);
    }
}

}  // namespace vantor
