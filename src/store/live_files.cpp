#include "store/live_files.h"

#include <algorithm>
#include <mutex>
#include <unordered_set>
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

// Where the line from start ends: at the first CR or LF, or the end. Two
// searches for one byte each, which run many bytes at a time, rather than
// one for either (a search of the set at every byte).
std::size_t lineEnd(std::string_view bytes, std::size_t start) {
    const std::size_t lf = std::min(bytes.find('\n', start), bytes.size());
    return std::min(bytes.substr(0, lf).find('\r', start), lf);
}

// The lines of bytes that are whole records of `length` bytes, without their CR LF.
std::vector<SjisView> wholeLines(std::string_view bytes, std::size_t length) {
    std::vector<SjisView> lines;
    lines.reserve(bytes.size() / length + 1);
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = lineEnd(bytes, start);
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

// True the first time this process writes into folder. The temporaries a
// killed writer left there are removed then and not at every answer: a
// day's fetches answer some seventy times a round, and this process leaves
// none behind.
bool firstWriteInto(const fs::path& folder) {
    static std::mutex guard;
    static std::unordered_set<std::string> swept;
    const std::lock_guard lock(guard);
    return swept.insert(folder.native()).second;
}

// The file's lines after the target's records; `old` is what it holds now.
std::vector<SjisView> mergedLines(const Target& target, std::string_view old, SjisView day) {
    if (target.rule == Rule::whole) return target.records;
    if (target.rule == Rule::single) return {target.records.back()};
    const std::size_t length = target.records.front().size() + kLineEnd.size();
    std::vector<SjisView> lines = wholeLines(old, length);
    const Field key = target.rule == Rule::byRace ? Field{12, 16} : wh::HappyoTime;
    for (SjisView record : target.records) putLine(lines, record, key.pos, key.len);
    // Most answers leave the order as it was: sorted lines are not sorted again.
    const auto sortBy = [&lines](const auto& before) {
        if (!std::is_sorted(lines.begin(), lines.end(), before)) std::stable_sort(lines.begin(), lines.end(), before);
    };
    if (target.rule == Rule::byRace) {
        sortBy([](SjisView a, SjisView b) { return a.substr(11, 16) < b.substr(11, 16); });
    } else {
        const auto order = [day](SjisView l) { return liveAnnounceOrder(get(l, wh::HappyoTime), day); };
        sortBy([&](SjisView a, SjisView b) { return order(a) < order(b); });
    }
    return lines;
}

// True when bytes are the lines, each with its CR LF: an answer with
// nothing new is told without making the file's bytes again.
bool holdsExactly(std::string_view bytes, std::span<const SjisView> lines) {
    for (SjisView l : lines) {
        if (bytes.size() < l.size() + kLineEnd.size() || !bytes.starts_with(l) ||
            bytes.substr(l.size(), kLineEnd.size()) != kLineEnd)
            return false;
        bytes.remove_prefix(l.size() + kLineEnd.size());
    }
    return bytes.empty();
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
        const std::vector<SjisView> lines = mergedLines(target, old.bytes, day_);
        if (old.status == FileContent::Status::ok && holdsExactly(old.bytes, lines)) continue;
        if (!folderReady) {
            if (!fileAccess_.makeFolders(folder_)) throw StoreError("cannot create folder " + folder_.string());
            if (firstWriteInto(folder_)) fileAccess_.removeLeftTemporaries(folder_);
            folderReady = true;
        }
        if (!fileAccess_.replace(file, joined(lines), Durability::renameOnly))
            throw StoreError("cannot write " + file.string());
        ++written;
    }
    return written;
}

}  // namespace vantor
