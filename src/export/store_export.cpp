#include "export/store_export.h"

#include <algorithm>
#include <set>
#include <unordered_set>

#include "export/live_tables.h"
#include "export/odds_rows.h"
#include "export/payout_rows.h"
#include "fileio/whole_file.h"
#include "record_layouts/jvdata_record.h"
#include "record_layouts/odds_line_layouts.h"

namespace vantor::sqlexport {
namespace {

// How a kind of store file is read: its table, record length and record
// kind, and the rows of one record.
struct KindRules {
    TableId table;
    std::size_t length;
    SjisView recordKind;  // empty: not checked
    void (*rows)(SjisView record, TableRows& rows);
};

void raceRows(SjisView record, TableRows& rows) {
    appendRaceValues(record, rows.emplace_back(TableId::races, Row()).second);
}
void runnerRows(SjisView record, TableRows& rows) {
    appendRunnerValues(record, rows.emplace_back(TableId::runners, Row()).second);
}
void horseRows(SjisView record, TableRows& rows) {
    appendHorseValues(record, rows.emplace_back(TableId::horses, Row()).second);
}

KindRules rulesOf(FileKind kind) {
    switch (kind) {
        case FileKind::dayRaces:
        case FileKind::outsideRaces:
            return {TableId::races, jvdata::kRaLength, "RA", raceRows};
        case FileKind::dayRunners:
        case FileKind::horseRuns:
            return {TableId::runners, jvdata::kSeLength, "SE", runnerRows};
        case FileKind::dayPayouts:
            return {TableId::payouts, jvdata::kHrLength, "HR", appendPayoutRows};
        case FileKind::dayOdds:
            return {TableId::predictedOdds, yoz::kLength, "", appendOddsRows};
        default:
            break;
    }
    return {TableId::horses, jvdata::kUmLength, "UM", horseRows};
}

// The records of a file, blank ones (free runner slots) left out; nothing
// when the file is not whole records of its kind.
std::optional<std::vector<SjisView>> recordsOf(SjisView bytes, const KindRules& rules) {
    if (bytes.size() % rules.length != 0) return std::nullopt;
    std::vector<SjisView> records;
    for (std::size_t at = 0; at < bytes.size(); at += rules.length) {
        const SjisView rec = bytes.substr(at, rules.length);
        if (!rec.ends_with("\r\n")) return std::nullopt;
        if (trimBlanks(rec.substr(0, rec.size() - 2)).empty()) continue;
        if (!rec.starts_with(rules.recordKind)) return std::nullopt;
        records.push_back(rec);
    }
    return records;
}

LiveDataspec dataspecOf(FileKind kind) {
    switch (kind) {
        case FileKind::liveChanges:
            return LiveDataspec::dayChanges;
        case FileKind::liveWeights:
            return LiveDataspec::weights;
        case FileKind::liveSeries:
            return LiveDataspec::winOddsSeries;
        default:
            return LiveDataspec::odds;
    }
}

// The rows of a live file's lines with their line numbers (1-based). A line
// that is no usable record of the file's dataspec on its race day (the
// name of its folder) is counted and left out.
TableRows liveFileRows(SjisView bytes, const StoreFile& file, LiveSkips& skips) {
    const LiveDataspec dataspec = dataspecOf(file.kind);
    const std::filesystem::path folder = std::filesystem::path(file.path).parent_path();
    // The folder is named for the race day in digits, the bytes the records hold.
    const std::string folderName = folder.filename().string();
    const SjisView day = sjisBytes(folderName);
    TableRows rows;
    long long line = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = std::min(bytes.find("\n", at), bytes.size());
        SjisView record = bytes.substr(at, end - at);
        at = end + 1;
        ++line;
        if (record.ends_with("\r")) record.remove_suffix(1);
        if (record.empty()) continue;
        if (const auto problem = liveRecordProblem(dataspec, record, day)) {
            skips.count(*problem, record);
            continue;
        }
        const std::size_t first = rows.size();
        appendLiveRows(record, dataspec == LiveDataspec::winOddsSeries, rows);
        for (std::size_t i = first; i < rows.size(); ++i) rows[i].second.push_back(line);
    }
    return rows;
}

const SideSource* sideSourceOf(const ExportOptions& options, const std::string& path) {
    for (const SideSource* source : options.sideSources)
        if (source->path() == path) return source;
    return nullptr;
}

// Whether the record is the first one of its race (or race and horse
// number) among the race and runner records seen.
bool firstCopy(FileKind kind, SjisView record, std::unordered_set<SjisString>& seen) {
    const TableId table = rulesOf(kind).table;
    if (table != TableId::races && table != TableId::runners) return true;
    SjisString key(jvdata::raceKey(record).text());
    if (table == TableId::runners) key += jvdata::get(record, jvdata::se::Umaban);
    return seen.insert(std::move(key)).second;
}

// Whether the row has a value in every column of its table's key. A
// record whose key fields are no numbers (a damaged line of a file) has no
// row to be kept under, and the database would refuse the whole export.
bool hasKey(const TableDef& def, const Row& row) {
    static const std::vector<std::vector<std::size_t>> keys = [] {
        std::vector<std::vector<std::size_t>> all;
        for (const TableDef& table : exportTables()) {
            auto& columns = all.emplace_back();
            for (const auto& name : table.primaryKey)
                for (std::size_t i = 0; i < table.columns.size(); ++i)
                    if (table.columns[i].name == name) columns.push_back(i);
        }
        return all;
    }();
    for (const std::size_t i : keys[static_cast<std::size_t>(def.id)])
        if (i < row.size() && row[i].isNull()) return false;
    return true;
}

bool inRange(const Row& row, const ExportOptions& options) {
    const std::string& date = row.front().text();
    if (date.empty()) return false;  // a race without a date has no key
    return (options.from.empty() || date >= options.from) && (options.to.empty() || date <= options.to);
}

std::string relative(const StorePaths& paths, const std::filesystem::path& file) {
    return file.lexically_relative(paths.appDir()).generic_string();
}

// The outside race files and horse run files that may hold rows a day file
// kept out: they are read again when the day file changes or goes.
void addShadowedFiles(const StorePaths& paths, SqlSink& sink, const std::string& dayFile, FileKind kind,
                      std::set<std::string>& out) {
    if (kind == FileKind::dayRaces) {
        for (const auto& row : sink.rowsFrom(tableDef(TableId::races), "race_date, jyocd", dayFile)) {
            std::string date = row[0].text();
            std::erase(date, '-');
            if (date.size() != 8) continue;
            out.insert(
                relative(paths, paths.outsideRaceFile(sjisBytes(date.substr(0, 4)), sjisBytes(date + row[1].text()))));
        }
    } else if (kind == FileKind::dayRunners) {
        for (const auto& row : sink.rowsFrom(tableDef(TableId::runners), "kettonum", dayFile))
            if (const std::string& id = row[0].text(); id.size() >= 4)
                out.insert(relative(paths, paths.horseRunFile(sjisBytes(id))));
    }
}

// The rows a store file holds now, or nothing when it is damaged. Into an
// empty database the first copy of a race or run is the one kept: the
// others are skipped before their rows are built.
std::optional<TableRows> rowsOfFile(const StorePaths& paths, const StoreFile& file, const ExportOptions& options,
                                    bool empty, std::unordered_set<SjisString>& seen, ExportReport& report) {
    if (file.kind == FileKind::sideSource) {
        TableRows rows;
        if (const auto problem = sideSourceOf(options, file.path)->appendRows(rows)) {
            report.notices.push_back(*problem);
            return std::nullopt;
        }
        return rows;
    }
    const FileContent content = readWholeFile(paths.appDir() / file.path);
    if (content.status != FileContent::Status::ok) return std::nullopt;
    if (isLiveFile(file.kind)) return liveFileRows(sjisBytes(content.bytes), file, report.liveSkips);
    const KindRules rules = rulesOf(file.kind);
    const auto records = recordsOf(sjisBytes(content.bytes), rules);
    if (!records) return std::nullopt;
    TableRows rows;
    for (const SjisView record : *records)
        if (!empty || firstCopy(file.kind, record, seen)) rules.rows(record, rows);
    return rows;
}

// Replaces the rows of a store file with those it holds now; false, with
// nothing changed, when the file is damaged. A marks file that cannot be
// read leaves its tables empty, and is read again by the next export.
bool writeFile(const StorePaths& paths, SqlSink& sink, const StoreFile& file, const ExportOptions& options, bool empty,
               std::unordered_set<SjisString>& seen, ExportReport& report) {
    auto rows = rowsOfFile(paths, file, options, empty, seen, report);
    if (!rows && file.kind != FileKind::sideSource) return false;
    if (!empty) sink.removeFile(file.path);
    if (!rows) return true;
    const Conflict conflict = isDayFile(file.kind) ? Conflict::replace : Conflict::keep;
    for (auto& [table, row] : *rows) {
        const TableDef& def = tableDef(table);
        if (def.raceDays && !inRange(row, options)) continue;
        row.push_back(file.path);
        if (!hasKey(def, row)) continue;
        sink.insert(def, row, conflict);
    }
    sink.fileDone(file.path, file.stamp);
    return true;
}

}  // namespace

ExportReport exportStore(const StorePaths& paths, SqlSink& sink, const ExportOptions& options,
                         const ExportProgress& progress) {
    ExportReport report;
    const std::string range = options.from + ".." + options.to;
    const bool newRange = sink.exportedRange() != range;
    FileIndex previous = newRange ? FileIndex() : sink.exportedFiles();
    // A database without rows (new, or cleared for a new range) has nothing
    // to remove or to take back from a day file.
    const bool empty = previous.empty();
    std::vector<StoreFile> files = scanStore(paths);
    for (const SideSource* source : options.sideSources)
        if (const auto stamp = source->stamp()) files.push_back({source->path(), *stamp, FileKind::sideSource});

    std::set<std::string> todo;
    for (const auto& file : files) {
        const auto it = previous.find(file.path);
        if (it == previous.end() || it->second != file.stamp) todo.insert(file.path);
        if (it != previous.end()) previous.erase(it);
    }
    // What is left of the previous index went from the store.
    report.filesRemoved = static_cast<int>(previous.size());
    report.filesUnchanged = static_cast<int>(files.size() - todo.size());
    if (!newRange && todo.empty() && previous.empty() && !sink.outdated()) return report;

    sink.begin();
    if (newRange) sink.clear();
    std::set<std::string> shadowed;
    for (const auto& file : files)
        if (!empty && todo.contains(file.path)) addShadowedFiles(paths, sink, file.path, file.kind, shadowed);
    for (const auto& [path, stamp] : previous) {
        if (path.ends_with(".jvRA")) addShadowedFiles(paths, sink, path, FileKind::dayRaces, shadowed);
        if (path.ends_with(".jvSEr")) addShadowedFiles(paths, sink, path, FileKind::dayRunners, shadowed);
        sink.removeFile(path);
    }
    for (const auto& file : files)
        if (shadowed.contains(file.path) && todo.insert(file.path).second) --report.filesUnchanged;

    std::unordered_set<SjisString> seen;
    int done = 0;
    for (const auto& file : files) {
        if (!todo.contains(file.path)) continue;
        if (writeFile(paths, sink, file, options, empty, seen, report))
            ++report.filesRead;
        else
            report.damaged.push_back(file.path);
        if (progress) progress(++done, static_cast<int>(todo.size()));
    }
    sink.commit(range);
    return report;
}

}  // namespace vantor::sqlexport
