#include "usermarks/user_marks_export.h"

#include <algorithm>
#include <chrono>

#include "export/field_values.h"
#include "usermarks/user_marks_file.h"

namespace vantor {
namespace fs = std::filesystem;
using namespace sqlexport;

namespace {

std::optional<FileStamp> stampOf(const fs::path& file) {
    std::error_code error;
    const auto size = fs::file_size(file, error);
    if (error) return std::nullopt;
    const auto mtime = fs::last_write_time(file, error);
    if (error) return std::nullopt;
    return FileStamp{static_cast<long long>(size),
                     std::chrono::duration_cast<std::chrono::nanoseconds>(mtime.time_since_epoch()).count()};
}

void appendNotes(std::string_view kind, const std::vector<std::pair<std::string, std::string>>& notes,
                 TableRows& rows) {
    for (const auto& [key, note] : notes) rows.emplace_back(TableId::notes, Row{std::string(kind), key, note});
}

}  // namespace

std::string UserMarksExportSource::path() const {
    return userMarksPath(appDir_).lexically_relative(appDir_).generic_string();
}

std::optional<FileStamp> UserMarksExportSource::stamp() const {
    const fs::path file = userMarksPath(appDir_);
    std::error_code error;
    if (!fs::is_regular_file(file, error)) return std::nullopt;
    auto stamp = stampOf(file);
    if (!stamp) return std::nullopt;
    if (const auto journal = stampOf(file.string() + "-wal")) {
        stamp->size += journal->size;
        stamp->mtime = std::max(stamp->mtime, journal->mtime);
    }
    return stamp;
}

std::optional<std::string> UserMarksExportSource::appendRows(TableRows& rows) const {
    auto opened = UserMarksFile::openToRead(userMarksPath(appDir_));
    if (const auto* error = std::get_if<std::string>(&opened))
        return *error + "。表 marks、notes、mark_sets は空にしました";
    const UserMarksFile& file = std::get<UserMarksFile>(opened);
    for (const UserMarkRow& mark : file.marksOfDay("")) {
        Row& row = rows.emplace_back(TableId::marks, Row()).second;
        // The file's race keys are the records' ASCII digits.
        appendRaceKeyOf(sjisBytes(mark.raceKey), row);
        row.push_back(static_cast<long long>(mark.umaban));
        row.push_back(static_cast<long long>(mark.set));
        row.push_back(textValue(userMarkGlyph(mark.mark)));
    }
    appendNotes("race", file.raceNotes(), rows);
    appendNotes("horse", file.horseNotes(), rows);
    for (int set = 1; set <= kUserMarkSets; ++set)
        rows.emplace_back(TableId::markSets, Row{static_cast<long long>(set), file.setName(set)});
    return std::nullopt;
}

}  // namespace vantor
