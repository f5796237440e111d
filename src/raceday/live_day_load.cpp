#include "raceday/live_day_load.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "store/jvdata_live_structure.h"
#include "store/store_bounds.h"

namespace vantor {
namespace fs = std::filesystem;
namespace {

using namespace jvdata;

// The day-changes file holds one answer: a few records per runner at most.
constexpr std::size_t kChangesFileBytes = std::size_t{kMaxRaces} * kMaxRunners * 4 * kJcLength;

struct LiveFile {
    LiveDataspec dataspec;
    ReadBound bound;
};

// What a file of the day's folder holds; none for a file that is no part of the state.
std::optional<LiveFile> liveFileOf(const std::string& name) {
    if (name == "changes.jvd") return LiveFile{LiveDataspec::dayChanges, {kChangesFileBytes}};
    if (name == "weights.jvd")
        return LiveFile{LiveDataspec::weights, {kKeyedFileRecordLimit * kWhLength, ReadFrom::end, kWhLength}};
    if (name == "odds_O1.jvd")
        return LiveFile{LiveDataspec::odds, {kKeyedFileRecordLimit * kO1Length, ReadFrom::end, kO1Length}};
    if (name == "odds_O2.jvd")
        return LiveFile{LiveDataspec::odds, {kKeyedFileRecordLimit * kO2Length, ReadFrom::end, kO2Length}};
    if (name.size() == std::string_view("0511_series.jvd").size() && name.ends_with("_series.jvd"))
        return LiveFile{LiveDataspec::winOddsSeries, {kWinSeriesCapacity * kO1Length, ReadFrom::end, kO1Length}};
    // A race's O3-O6: one record each.
    static constexpr std::pair<std::string_view, std::size_t> kCombos[] = {
        {"_O3.jvd", kO3Length}, {"_O4.jvd", kO4Length}, {"_O5.jvd", kO5Length}, {"_O6.jvd", kO6Length}};
    for (const auto& [suffix, length] : kCombos)
        if (name.size() == std::string_view("0511_O3.jvd").size() && name.ends_with(suffix))
            return LiveFile{LiveDataspec::odds, {length, ReadFrom::end, length}};
    return std::nullopt;
}

// The lines of a file's bytes, without their CR LF (Shift-JIS has no CR or LF inside a character).
void splitLines(SjisView bytes, std::vector<SjisView>& lines) {
    lines.clear();
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == SjisView::npos) end = bytes.size();
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
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (liveFileOf(it->path().filename().string())) names.push_back(it->path().filename().string());
    // In name order: the same state whatever order the folder lists them in.
    std::sort(names.begin(), names.end());

    std::vector<SjisView> lines;
    lines.reserve(kKeyedFileRecordLimit);
    for (const std::string& name : names) {
        const LiveFile file = *liveFileOf(name);
        const FileContent content = reader(folder / name, file.bound);
        if (content.status != FileContent::Status::ok) continue;
        splitLines(content.bytes, lines);
        live.applyAnswer(file.dataspec, lines);
    }
}

}  // namespace vantor
