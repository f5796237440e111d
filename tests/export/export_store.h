#pragma once
// A store written by hand for the export tests, and reading back what an
// export wrote.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "export/sqlite_sink.h"
#include "export/store_export.h"
#include "record_layouts/odds_line_layouts.h"
#include "support/records.h"
#include "support/run_command.h"
#include "text/formatted.h"

namespace vantor::sqlexport {

inline void PrintTo(const Value& v, std::ostream* os) {
    switch (v.kind()) {
        case Value::Kind::null:
            *os << "NULL";
            break;
        case Value::Kind::integer:
            *os << v.integer();
            break;
        case Value::Kind::real:
            *os << v.real() << "(real)";
            break;
        case Value::Kind::text:
            *os << '"' << v.text() << '"';
            break;
    }
}

}  // namespace vantor::sqlexport

namespace vantor::test {

using sqlexport::Row;
using sqlexport::Value;

inline std::string dayName(int date) {
    const SjisString d = formatted("%d", date);
    return dayNameUtf8(d.view().substr(0, 4), d.view().substr(4, 4));
}

// Records are Shift-JIS and go into the files as they are.
class ExportStore : public TempDir {
public:
    std::filesystem::path appDir() const { return *this / "app"; }
    StorePaths paths() const { return StorePaths(appDir()); }

    void dayRaces(int date, SjisView records) { writeFile(paths().dayFile(dayName(date), ".jvRA"), records.bytes()); }
    void dayPayouts(int date, SjisView records) { writeFile(paths().dayFile(dayName(date), ".jvHR"), records.bytes()); }
    void dayOdds(int date, SjisView records) { writeFile(paths().dayFile(dayName(date), ".yoz"), records.bytes()); }
    // A course runner file of 216 slots holding the records at their race and horse numbers.
    void dayRunners(int date, const char* course, const std::vector<SjisString>& records) {
        std::vector<SjisString> lines(216, SjisString(553, ' ') + "\r\n");
        for (const auto& rec : records)
            lines[static_cast<std::size_t>((jvdata::inum(rec, jvdata::se::RaceNum) - 1) * 18 +
                                           jvdata::inum(rec, jvdata::se::Umaban) - 1)] = rec;
        SjisString bytes;
        for (const auto& line : lines) bytes += line;
        writeFile(paths().runnerFile(dayName(date), course), bytes.bytes());
    }
    void horseRuns(SjisView horseId, SjisView records) { writeFile(paths().horseRunFile(horseId), records.bytes()); }
    void outsideRaces(SjisView yyyymmddCourse, SjisView records) {
        writeFile(paths().outsideRaceFile(yyyymmddCourse.substr(0, 4), yyyymmddCourse), records.bytes());
    }
    void horse(SjisView horseId, SjisView record) { writeFile(paths().horseMasterFile(horseId), record.bytes()); }

    sqlexport::ExportReport exportTo(const std::filesystem::path& file, const sqlexport::ExportOptions& options = {}) {
        auto opened = sqlexport::SqliteSink::open(file, false);
        if (auto* refused = std::get_if<sqlexport::SqliteOpenError>(&opened)) {
            ADD_FAILURE() << refused->message;
            return {};
        }
        return sqlexport::exportStore(paths(), *std::get<0>(opened), options);
    }
};

// The rows of a query on an SQLite file, with their SQL types.
inline std::vector<Row> query(const std::filesystem::path& file, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    std::vector<Row> rows;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db);
    } else {
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            Row& row = rows.emplace_back();
            for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                switch (sqlite3_column_type(stmt, i)) {
                    case SQLITE_INTEGER:
                        row.emplace_back(static_cast<long long>(sqlite3_column_int64(stmt, i)));
                        break;
                    case SQLITE_FLOAT:
                        row.emplace_back(sqlite3_column_double(stmt, i));
                        break;
                    case SQLITE_NULL:
                        row.emplace_back();
                        break;
                    default:
                        row.emplace_back(std::string(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i))));
                }
            }
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}

inline Row queryRow(const std::filesystem::path& file, const std::string& sql) {
    auto rows = query(file, sql);
    if (rows.size() != 1) {
        ADD_FAILURE() << sql << " gave " << rows.size() << " rows";
        return {};
    }
    return rows.front();
}

inline long long count(const std::filesystem::path& file, const std::string& table) {
    return queryRow(file, "SELECT count(*) FROM " + table).at(0).integer();
}

// `sqlite3 FILE .dump`: the whole database as text.
inline std::string dump(const std::filesystem::path& file) {
    return runCommand("sqlite3 " + shellWord(file.string()) + " .dump").text;
}

}  // namespace vantor::test
