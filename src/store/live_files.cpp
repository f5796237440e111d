#include "store/live_files.h"

#include <algorithm>
#include <vector>

#include "fileio/whole_file.h"
#include "store/jvdata_live_structure.h"
#include "store/jvdata_record.h"
#include "store/store_bounds.h"
#include "store/store_image.h"

namespace vantor {
namespace fs = std::filesystem;
namespace {

using namespace jvdata;

constexpr std::string_view kLineEnd = "\r\n";
// A race's time series holds one line per announcement: far fewer than this.
constexpr std::size_t kSeriesRecordLimit = 2048;

// How a file takes an answer's records.
enum class Rule {
    whole,       // the answer's records, and nothing else
    byRace,      // one line per race key, in race-key order
    single,      // the latest record
    byAnnounce,  // one line per announce time, in time order
};

struct Target {
    std::string name;  // in the day's folder
    Rule rule;
    std::vector<SjisView> records;  // the answer's, in delivery order
};

Target targetOf(LiveDataspec dataspec, SjisView record) {
    const SjisView kind = recordKind(record);
    const std::string race = std::string(get(record, wh::JyoCD)).append(get(record, wh::RaceNum));
    switch (dataspec) {
        case LiveDataspec::dayChanges:
            return {"changes.jvd", Rule::whole, {}};
        case LiveDataspec::weights:
            return {"weights.jvd", Rule::byRace, {}};
        case LiveDataspec::winOddsSeries:
            return {race + "_series.jvd", Rule::byAnnounce, {}};
        case LiveDataspec::odds:
            break;
    }
    if (kind == "O1" || kind == "O2") return {"odds_" + std::string(kind) + ".jvd", Rule::byRace, {}};
    return {race + "_" + std::string(kind) + ".jvd", Rule::single, {}};
}

// The lines of bytes that are whole records of `length` bytes, without their CR LF.
std::vector<SjisView> wholeLines(std::string_view bytes, std::size_t length) {
    std::vector<SjisView> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = bytes.size();
        if (end - start + kLineEnd.size() == length) lines.push_back(bytes.substr(start, end - start));
        start = end;
        if (start < bytes.size() && bytes[start] == '\r') ++start;
        if (start < bytes.size() && bytes[start] == '\n') ++start;
    }
    return lines;
}

// Replaces the line whose field at [pos, pos + len) equals the record's, or adds the record.
void putLine(std::vector<SjisView>& lines, SjisView record, std::size_t pos, std::size_t len) {
    const SjisView key = record.substr(pos - 1, len);
    const auto same =
        std::find_if(lines.begin(), lines.end(), [&](SjisView l) { return l.substr(pos - 1, len) == key; });
    if (same != lines.end())
        *same = record;
    else
        lines.push_back(record);
}

std::string joined(std::span<const SjisView> lines) {
    std::string bytes;
    for (SjisView l : lines) bytes.append(l).append(kLineEnd);
    return bytes;
}

// The file's bytes after the target's records; `old` is what it holds now.
std::string merged(const Target& target, std::string_view old, SjisView day) {
    if (target.rule == Rule::whole) return joined(target.records);
    if (target.rule == Rule::single) return joined(std::span(&target.records.back(), 1));
    const std::size_t length = target.records.front().size() + kLineEnd.size();
    std::vector<SjisView> lines = wholeLines(old, length);
    const Field key = target.rule == Rule::byRace ? Field{12, 16} : wh::HappyoTime;
    for (SjisView record : target.records) putLine(lines, record, key.pos, key.len);
    if (target.rule == Rule::byRace) {
        std::stable_sort(lines.begin(), lines.end(),
                         [](SjisView a, SjisView b) { return a.substr(11, 16) < b.substr(11, 16); });
    } else {
        const auto order = [day](SjisView l) { return liveAnnounceOrder(get(l, wh::HappyoTime), day); };
        std::stable_sort(lines.begin(), lines.end(), [&](SjisView a, SjisView b) { return order(a) < order(b); });
    }
    return joined(lines);
}

}  // namespace

LiveFiler::LiveFiler(const StorePaths& paths, SjisView day, FileAccess& files)
    : fileAccess_(files), folder_(paths.liveDayDir(day)), day_(day) {}

int LiveFiler::file(LiveDataspec dataspec, std::span<const SjisView> records, bool complete) {
    if (dataspec == LiveDataspec::dayChanges && !complete) return 0;
    std::vector<Target> targets;
    if (dataspec == LiveDataspec::dayChanges) targets.push_back({"changes.jvd", Rule::whole, {}});
    for (SjisView delivered : records) {
        const SjisView record = withoutLineEnd(delivered);
        if (const auto problem = liveRecordProblem(dataspec, record, day_)) {
            skips_.count(*problem, record);
            continue;
        }
        Target target = targetOf(dataspec, record);
        auto it = std::find_if(targets.begin(), targets.end(), [&](const Target& t) { return t.name == target.name; });
        if (it == targets.end()) it = targets.insert(targets.end(), std::move(target));
        it->records.push_back(record);
    }

    // An answer of nothing but refused records says nothing of the day: the
    // set it would replace stays.
    if (dataspec == LiveDataspec::dayChanges && !records.empty() && targets.front().records.empty()) return 0;

    int written = 0;
    bool folderReady = false;
    for (const Target& target : targets) {
        const fs::path file = folder_ / target.name;
        const std::size_t length = target.records.empty() ? 0 : target.records.front().size() + kLineEnd.size();
        const std::size_t limit = target.rule == Rule::byRace ? kKeyedFileRecordLimit : kSeriesRecordLimit;
        const FileContent old = target.rule == Rule::byRace || target.rule == Rule::byAnnounce
                                    ? fileAccess_.readPart(file, {limit * length, ReadFrom::end, length})
                                    : fileAccess_.readWhole(file);
        if (old.status == FileContent::Status::unreadable) throw StoreError("cannot read " + file.string());
        const std::string bytes = merged(target, old.bytes, day_);
        if (old.status == FileContent::Status::ok && bytes == old.bytes) continue;
        if (!folderReady) {
            if (!fileAccess_.makeFolders(folder_)) throw StoreError("cannot create folder " + folder_.string());
            fileAccess_.removeLeftTemporaries(folder_);
            folderReady = true;
        }
        if (!fileAccess_.replace(file, bytes, Durability::renameOnly))
            throw StoreError("cannot write " + file.string());
        ++written;
    }
    return written;
}

}  // namespace vantor
