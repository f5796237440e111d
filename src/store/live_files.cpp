#include "store/live_files.h"

#include <algorithm>
#include <mutex>
#include <unordered_set>
#include <utility>
#include <vector>

#include "record_layouts/jvdata_live_structure.h"
#include "record_layouts/jvdata_record.h"
#include "store/store_image.h"

namespace vantor {
namespace fs = std::filesystem;
namespace {

using namespace jvdata;

constexpr std::string_view kLineEnd = "\r\n";

// Where the line from start ends: at the first CR or LF, or the end. Two
// searches for one byte each, which run many bytes at a time, rather than
// one for either (a search of the set at every byte).
std::size_t lineEnd(std::string_view bytes, std::size_t start) {
    const std::size_t lf = std::min(bytes.find('\n', start), bytes.size());
    return std::min(bytes.substr(0, lf).find('\r', start), lf);
}

// Appends the lines of bytes that are whole records of `length` bytes, without their CR LF.
void appendWholeLines(std::string_view bytes, std::size_t length, std::vector<SjisView>& lines) {
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = lineEnd(bytes, start);
        if (end - start + kLineEnd.size() == length) lines.push_back(sjisBytes(bytes.substr(start, end - start)));
        start = end;
        if (start < bytes.size() && bytes[start] == '\r') ++start;
        if (start < bytes.size() && bytes[start] == '\n') ++start;
    }
}

SjisView raceKeyOf(SjisView line) { return jvdata::raceKey(line).text(); }

// Lines in race-key order, one per race key: of lines with the same key
// the last one stands (the file's come before the answers', which come in
// delivery order).
void mergeByRace(std::vector<SjisView>& lines) {
    std::stable_sort(lines.begin(), lines.end(), [](SjisView a, SjisView b) { return raceKeyOf(a) < raceKeyOf(b); });
    const auto last =
        std::unique(lines.rbegin(), lines.rend(), [](SjisView a, SjisView b) { return raceKeyOf(a) == raceKeyOf(b); });
    lines.erase(lines.begin(), last.base());
}

// Lines in race-key and then announce order, one per race key and announce
// time, the last of the same standing.
void mergeBySeries(std::vector<SjisView>& lines, SjisView day) {
    struct Point {
        SjisView line;
        std::int32_t order;
    };
    std::vector<Point> points;
    points.reserve(lines.size());
    for (SjisView l : lines) points.push_back({l, liveAnnounceOrder(get(l, o1::HappyoTime), day)});
    const auto same = [](const Point& a, const Point& b) {
        return raceKeyOf(a.line) == raceKeyOf(b.line) && get(a.line, o1::HappyoTime) == get(b.line, o1::HappyoTime);
    };
    // Announce times of one order (those that are no time) stand by their text, so that equal ones meet.
    std::stable_sort(points.begin(), points.end(), [](const Point& a, const Point& b) {
        if (const auto c = raceKeyOf(a.line) <=> raceKeyOf(b.line); c != 0) return c < 0;
        if (a.order != b.order) return a.order < b.order;
        return get(a.line, o1::HappyoTime) < get(b.line, o1::HappyoTime);
    });
    const auto last = std::unique(points.rbegin(), points.rend(), same);
    lines.clear();
    for (auto it = last.base(); it != points.end(); ++it) lines.push_back(it->line);
}

std::string joined(std::span<const SjisView> lines) {
    std::size_t size = 0;
    for (SjisView l : lines) size += l.size() + kLineEnd.size();
    std::string bytes;
    bytes.reserve(size);
    for (SjisView l : lines) bytes.append(l.bytes()).append(kLineEnd);
    return bytes;
}

// True when bytes are the lines, each with its CR LF: an answer with
// nothing new is told without making the file's bytes again.
bool holdsExactly(std::string_view bytes, std::span<const SjisView> lines) {
    for (SjisView l : lines) {
        if (bytes.size() < l.size() + kLineEnd.size() || !bytes.starts_with(l.bytes()) ||
            bytes.substr(l.size(), kLineEnd.size()) != kLineEnd)
            return false;
        bytes.remove_prefix(l.size() + kLineEnd.size());
    }
    return bytes.empty();
}

// True the first time this process writes into folder. The temporaries a
// killed writer left there are removed then and not at every write: a day
// is written every minute, and this process leaves none behind.
bool firstWriteInto(const fs::path& folder) {
    static std::mutex guard;
    static std::unordered_set<std::string> swept;
    const std::lock_guard lock(guard);
    return swept.insert(folder.native()).second;
}

LiveFileId fileOf(LiveDataspec dataspec, SjisView record) {
    switch (dataspec) {
        case LiveDataspec::weights:
            return LiveFileId::weights;
        case LiveDataspec::winOddsSeries:
            return LiveFileId::series;
        case LiveDataspec::dayChanges:
            return LiveFileId::changes;
        case LiveDataspec::odds:
            break;
    }
    // The checks passed only the kinds 0B30 delivers.
    return liveOddsFile(recordKind(record)).value_or(LiveFileId::oddsO1);
}

}  // namespace

LiveFiler::LiveFiler(const StorePaths& paths, SjisView day, FileAccess& files)
    : fileAccess_(files), folder_(paths.liveDayDir(day)), day_(day) {}

void LiveFiler::add(LiveDataspec dataspec, LiveAnswer answer, bool complete, LiveSkips& skips) {
    if (dataspec == LiveDataspec::dayChanges && !complete) return;
    const std::string& bytes = answers_.emplace_back(std::move(answer.bytes));
    std::vector<SjisView> changes;
    for (std::size_t i = 0, start = 0; i < answer.ends.size(); start = answer.ends[i++]) {
        const SjisView record = withoutLineEnd(sjisBytes(bytes).substr(start, answer.ends[i] - start));
        if (const auto problem = liveRecordProblem(dataspec, record, day_)) {
            skips.count(*problem, record);
            continue;
        }
        if (dataspec == LiveDataspec::dayChanges) {
            changes.push_back(record);
            continue;
        }
        Pending& pending = pending_[static_cast<std::size_t>(fileOf(dataspec, record))];
        pending.taken = true;
        pending.records.push_back(record);
    }
    // An answer of nothing but refused records says nothing of the day: the
    // set it would replace stays.
    if (dataspec != LiveDataspec::dayChanges || (!answer.ends.empty() && changes.empty())) return;
    pending_[static_cast<std::size_t>(LiveFileId::changes)] = {true, std::move(changes)};
}

void LiveFiler::add(LiveDataspec dataspec, std::span<const SjisView> records, bool complete, LiveSkips& skips) {
    LiveAnswer answer;
    std::size_t size = 0;
    for (SjisView record : records) size += record.size();
    answer.bytes.reserve(size);
    answer.ends.reserve(records.size());
    for (SjisView record : records) {
        answer.bytes.append(record.bytes());
        answer.ends.push_back(answer.bytes.size());
    }
    add(dataspec, std::move(answer), complete, skips);
}

int LiveFiler::write() {
    // Whatever happens, the answers go with this write.
    const std::deque<std::string> answers = std::exchange(answers_, {});
    const std::array<Pending, kLiveFileCount> pending = std::exchange(pending_, {});
    folderNames_.reset();
    int written = 0;
    for (const LiveFileInfo& file : liveFiles())
        if (const Pending& p = pending[static_cast<std::size_t>(file.id)]; p.taken)
            written += writeFile(file, p.records);
    return written;
}

bool LiveFiler::writeFile(const LiveFileInfo& file, std::span<const SjisView> pending) {
    const fs::path path = folder_ / file.name;
    FileContent old =
        file.rule == LiveFileRule::whole ? fileAccess_.readWhole(path) : fileAccess_.readPart(path, file.bound);
    if (old.status == FileContent::Status::unreadable) throw StoreError("cannot read " + path.string());
    std::vector<std::string> earlier;
    std::vector<SjisView> lines;
    if (file.rule == LiveFileRule::whole) {
        lines.assign(pending.begin(), pending.end());
    } else {
        if (old.status == FileContent::Status::missing) takeEarlier(file.id, old.bytes, earlier);
        lines.reserve(old.bytes.size() / file.recordLength + pending.size() + 1);
        appendWholeLines(old.bytes, file.recordLength, lines);
        lines.insert(lines.end(), pending.begin(), pending.end());
        if (file.rule == LiveFileRule::byRace)
            mergeByRace(lines);
        else
            mergeBySeries(lines, day_);
    }
    if (old.status == FileContent::Status::ok && holdsExactly(old.bytes, lines)) return false;
    readyFolder();
    if (!fileAccess_.replace(path, joined(lines), Durability::renameOnly))
        throw StoreError("cannot write " + path.string());
    // Their records are in the day's file now.
    for (const std::string& name : earlier) fileAccess_.remove(folder_ / name);
    return true;
}

void LiveFiler::takeEarlier(LiveFileId id, std::string& old, std::vector<std::string>& names) {
    if (!folderNames_) {
        folderNames_ = fileAccess_.fileNames(folder_);
        std::sort(folderNames_->begin(), folderNames_->end());
    }
    for (const std::string& name : *folderNames_) {
        const auto of = liveFolderName(name);
        if (!of || !of->earlier || of->id != id) continue;
        const FileContent content = fileAccess_.readPart(folder_ / name, of->bound);
        if (content.status == FileContent::Status::unreadable)
            throw StoreError("cannot read " + (folder_ / name).string());
        if (content.status != FileContent::Status::ok) continue;
        old.append(content.bytes).append(kLineEnd);
        names.push_back(name);
    }
}

void LiveFiler::readyFolder() {
    if (folderReady_) return;
    if (!fileAccess_.makeFolders(folder_)) throw StoreError("cannot create folder " + folder_.string());
    if (firstWriteInto(folder_)) fileAccess_.removeLeftTemporaries(folder_);
    folderReady_ = true;
}

}  // namespace vantor
