#include "stats/stats_db.h"

#include <sqlite3.h>

#include "export/export_tables.h"

namespace vantor::stats {
namespace fs = std::filesystem;
namespace {

// How long a query waits for a writer of the database to finish.
constexpr int kBusyWaitMs = 5000;

long long pragma(sqlite3* db, const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    long long value = -1;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
        value = sqlite3_column_int64(stmt, 0);
    sqlite3_finalize(stmt);
    return value;
}

}  // namespace

Query::~Query() { sqlite3_finalize(stmt_); }

Query& Query::restart() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    return *this;
}

Query& Query::bind(int index, std::string_view utf8) {
    sqlite3_bind_text(stmt_, index, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
    return *this;
}

Query& Query::bind(int index, long long number) {
    sqlite3_bind_int64(stmt_, index, number);
    return *this;
}

bool Query::next() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    throw StatsError(sqlite3_errmsg(db_));
}

bool Query::isNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }
long long Query::integer(int column) const { return sqlite3_column_int64(stmt_, column); }
double Query::real(int column) const { return sqlite3_column_double(stmt_, column); }

std::string_view Query::text(int column) const {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    if (!bytes) return {};
    return {bytes, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column))};
}

std::variant<StatsDb, std::string> StatsDb::open(const fs::path& file) {
    std::error_code error;
    if (!fs::is_regular_file(file, error)) return file.string() + " does not exist";
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        std::string message = file.string() + ": " + (db ? sqlite3_errmsg(db) : "cannot be opened");
        sqlite3_close(db);
        return message;
    }
    sqlite3_busy_timeout(db, kBusyWaitMs);
    StatsDb opened(db);
    if (pragma(db, "PRAGMA application_id") != sqlexport::kApplicationId ||
        pragma(db, "PRAGMA user_version") != sqlexport::kSchemaVersion)
        return file.string() + " is no Vantor export of schema " + std::to_string(sqlexport::kSchemaVersion);
    return opened;
}

StatsDb::StatsDb(StatsDb&& other) noexcept : db_(other.db_), queries_(std::move(other.queries_)) {
    other.db_ = nullptr;
}

StatsDb::~StatsDb() {
    queries_.clear();  // statements before their database
    sqlite3_close(db_);
}

Query& StatsDb::query(const std::string& sql) {
    if (const auto found = queries_.find(sql); found != queries_.end()) return found->second->restart();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        throw StatsError(sqlite3_errmsg(db_));
    }
    return *queries_.emplace(sql, std::make_unique<Query>(db_, stmt)).first->second;
}

}  // namespace vantor::stats
