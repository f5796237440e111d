#include "export/sqlite_sink.h"

#include <sqlite3.h>

#include "export/sql_text.h"
#include "text/formatted.h"

namespace vantor::sqlexport {
namespace fs = std::filesystem;
namespace {

void check(sqlite3* db, int rc) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) throw SinkError(sqlite3_errmsg(db));
}

std::string hex(long long n) { return formattedUtf8("0x%08llx", n & 0xffffffffLL); }

struct Identity {
    long long applicationId = 0, version = 0, objects = 0;
};

// The application id, schema version and number of schema objects; nothing
// when the file is no SQLite database or a damaged one (SQLite finds a file
// shorter than its header says malformed).
std::optional<Identity> identityOf(sqlite3* db) {
    Identity id;
    const std::pair<const char*, long long*> queries[] = {{"PRAGMA application_id", &id.applicationId},
                                                          {"PRAGMA user_version", &id.version},
                                                          {"SELECT count(*) FROM sqlite_schema", &id.objects}};
    for (const auto& [sql, out] : queries) {
        sqlite3_stmt* stmt = nullptr;
        const bool ok =
            sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW;
        if (ok) *out = sqlite3_column_int64(stmt, 0);
        sqlite3_finalize(stmt);
        if (!ok) return std::nullopt;
    }
    return id;
}

// Why an existing database is not updated; nothing when it is an export of
// this schema version or an earlier one, or an empty database.
std::optional<SqliteRefusal> refusal(const std::optional<Identity>& id) {
    using Kind = SqliteRefusal::Kind;
    if (!id) return SqliteRefusal{Kind::notSqlite};
    if (id->applicationId == 0 && id->objects == 0) return std::nullopt;
    if (id->applicationId != kApplicationId) return SqliteRefusal{Kind::foreignDatabase, id->applicationId};
    if (id->version < kOldestUpgradableSchema || id->version > kSchemaVersion)
        return SqliteRefusal{Kind::otherSchema, id->version};
    return std::nullopt;
}

SqliteOpenError refusalError(const SqliteRefusal& refused, const fs::path& file) {
    const std::string name = file.string();
    switch (refused.kind) {
        case SqliteRefusal::Kind::notSqlite:
            return {name + " is not an SQLite database", refused};
        case SqliteRefusal::Kind::foreignDatabase:
            return {name + " is not a Vantor export (application id " + hex(refused.found) + ")", refused};
        case SqliteRefusal::Kind::otherSchema:
            break;
    }
    return {name + " holds Vantor export schema " + std::to_string(refused.found) + ", this Vantor writes schema " +
                std::to_string(kSchemaVersion),
            refused};
}

sqlite3* openDb(const fs::path& path, int flags, std::string& error) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        error = db ? sqlite3_errmsg(db) : "cannot be opened";
        sqlite3_close(db);
        return nullptr;
    }
    return db;
}

void bind(sqlite3_stmt* stmt, int index, const Value& value) {
    switch (value.kind()) {
        case Value::Kind::integer:
            sqlite3_bind_int64(stmt, index, value.integer());
            break;
        case Value::Kind::real:
            sqlite3_bind_double(stmt, index, value.real());
            break;
        case Value::Kind::text:
            sqlite3_bind_text(stmt, index, value.text().data(), static_cast<int>(value.text().size()), SQLITE_STATIC);
            break;
        case Value::Kind::null:
            sqlite3_bind_null(stmt, index);
            break;
    }
}

Value columnValue(sqlite3_stmt* stmt, int i) {
    switch (sqlite3_column_type(stmt, i)) {
        case SQLITE_INTEGER:
            return static_cast<long long>(sqlite3_column_int64(stmt, i));
        case SQLITE_FLOAT:
            return sqlite3_column_double(stmt, i);
        case SQLITE_NULL:
            return {};
        default:
            return std::string(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)));
    }
}

}  // namespace

std::variant<std::unique_ptr<SqliteSink>, SqliteOpenError> SqliteSink::open(const fs::path& file, bool replace) {
    std::string error;
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    // A device or a pipe would be taken for an empty database, and replacing
    // it would rename a file over it: only regular files are exports.
    if (fs::exists(status) && !fs::is_regular_file(status))
        return SqliteOpenError{file.string() + " is not a regular file", std::nullopt};
    if (fs::exists(status)) {
        sqlite3* db = openDb(file, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, error);
        if (!db) return SqliteOpenError{file.string() + ": " + error, std::nullopt};
        const auto id = identityOf(db);
        const auto refused = refusal(id);
        if (!refused) {
            std::unique_ptr<SqliteSink> sink(new SqliteSink(db, file, file));
            sink->fresh_ = id->objects == 0;
            sink->outdated_ = !sink->fresh_ && id->version < kSchemaVersion;
            return sink;
        }
        sqlite3_close(db);
        if (!replace) return refusalError(*refused, file);
    }
    return create(file);
}

std::variant<std::unique_ptr<SqliteSink>, SqliteOpenError> SqliteSink::create(const fs::path& file) {
    std::string error;
    std::error_code ec;
    if (const fs::file_status status = fs::status(file, ec); fs::exists(status) && !fs::is_regular_file(status))
        return SqliteOpenError{file.string() + " is not a regular file", std::nullopt};
    // A new export is written beside the file and renamed over it at commit.
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    if (!fs::is_directory(folder, ec))
        return SqliteOpenError{file.string() + " cannot be written: the folder " + folder.string() + " does not exist",
                               std::nullopt};
    fs::path writing = file;
    writing += ".partial";
    fs::remove(writing, ec);
    sqlite3* db =
        openDb(writing, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_NOMUTEX, error);
    if (!db) return SqliteOpenError{file.string() + " cannot be written: " + error, std::nullopt};
    std::unique_ptr<SqliteSink> sink(new SqliteSink(db, file, writing));
    sink->fresh_ = true;
    // Nobody reads the file before it is renamed into place: no journal needed.
    sink->exec("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;");
    return sink;
}

SqliteSink::SqliteSink(sqlite3* db, fs::path file, fs::path writing)
    : db_(db), file_(std::move(file)), writing_(std::move(writing)) {
    // A reader of the file in the middle of a query holds off the commit a
    // moment, not for good.
    sqlite3_busy_timeout(db_, 5000);
    exec("PRAGMA cache_size=-65536;");
}

SqliteSink::~SqliteSink() {
    for (auto& [sql, stmt] : statements_) sqlite3_finalize(stmt);
    sqlite3_close(db_);  // rolls back what was not committed
    if (writing_ != file_) {
        std::error_code ec;
        fs::remove(writing_, ec);
    }
}

void SqliteSink::setPump(std::function<void()> pump) {
    pump_ = std::move(pump);
    // About every millisecond of SQLite's work; 0 lets it go on.
    constexpr int kSteps = 20000;
    sqlite3_progress_handler(
        db_, pump_ ? kSteps : 0,
        [](void* sink) {
            static_cast<SqliteSink*>(sink)->pump_();
            return 0;
        },
        this);
}

void SqliteSink::setExtraIndexes(std::vector<ExtraIndex> indexes) {
    extraIndexes_ = std::move(indexes);
    std::size_t present = 0;
    if (!fresh_) {
        sqlite3_stmt* stmt = statement("SELECT count(*) FROM sqlite_schema WHERE type = 'index' AND name = ?");
        for (const ExtraIndex& index : extraIndexes_) {
            sqlite3_reset(stmt);
            sqlite3_bind_text(stmt, 1, index.name.data(), static_cast<int>(index.name.size()), SQLITE_STATIC);
            check(db_, sqlite3_step(stmt));
            present += sqlite3_column_int64(stmt, 0) > 0;
        }
    }
    lacksIndexes_ = present < extraIndexes_.size();
}

void SqliteSink::exec(const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string text = message ? message : "SQLite error";
        sqlite3_free(message);
        throw SinkError(text);
    }
}

sqlite3_stmt* SqliteSink::statement(const std::string& sql) {
    auto& stmt = statements_[sql];
    if (!stmt) check(db_, sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr));
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    return stmt;
}

FileIndex SqliteSink::exportedFiles() {
    FileIndex files;
    if (fresh_) return files;
    sqlite3_stmt* stmt = statement("SELECT path, size, mtime FROM store_files");
    int rc;
    // A damaged file fails here rather than passing for a short index.
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
        files[reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0))] = {sqlite3_column_int64(stmt, 1),
                                                                              sqlite3_column_int64(stmt, 2)};
    check(db_, rc);
    return files;
}

std::string SqliteSink::exportedRange() {
    if (fresh_) return {};
    sqlite3_stmt* stmt = statement("SELECT value FROM export_info WHERE key = 'range'");
    const int rc = sqlite3_step(stmt);
    check(db_, rc);
    return rc == SQLITE_ROW ? reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)) : "";
}

void SqliteSink::begin() {
    exec("BEGIN IMMEDIATE;");
    if (fresh_) exec("PRAGMA application_id=" + std::to_string(kApplicationId) + ";");
    // An earlier schema lacks only tables, which the statements below make.
    if (fresh_ || outdated_) exec("PRAGMA user_version=" + std::to_string(kSchemaVersion) + ";");
    exec(createSchemaSql(Dialect::sqlite));
}

void SqliteSink::clear() {
    std::string sql = "DELETE FROM store_files;\n";
    for (const auto& table : exportTables()) sql += "DELETE FROM \"" + table.name + "\";\n";
    exec(sql);
}

std::vector<Row> SqliteSink::rowsFrom(const TableDef& table, const std::string& columns, const std::string& storeFile) {
    sqlite3_stmt* stmt = statement("SELECT DISTINCT " + columns + " FROM \"" + table.name + "\" WHERE store_file = ?");
    sqlite3_bind_text(stmt, 1, storeFile.data(), static_cast<int>(storeFile.size()), SQLITE_STATIC);
    std::vector<Row> rows;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        Row& row = rows.emplace_back();
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) row.push_back(columnValue(stmt, i));
    }
    check(db_, rc);
    return rows;
}

void SqliteSink::removeFile(const std::string& storeFile) {
    std::vector<std::string> sqls{"DELETE FROM store_files WHERE path = ?"};
    for (const auto& table : exportTables()) sqls.push_back("DELETE FROM \"" + table.name + "\" WHERE store_file = ?");
    for (const auto& sql : sqls) {
        sqlite3_stmt* stmt = statement(sql);
        sqlite3_bind_text(stmt, 1, storeFile.data(), static_cast<int>(storeFile.size()), SQLITE_STATIC);
        check(db_, sqlite3_step(stmt));
    }
}

void SqliteSink::insert(const TableDef& table, const Row& row, Conflict conflict) {
    auto& sql = insertSql_[{table.id, conflict}];
    if (sql.empty()) {
        sql = std::string(conflict == Conflict::replace ? "INSERT OR REPLACE" : "INSERT OR IGNORE") + " INTO \"" +
              table.name + "\" (" + columnList(table) + ") VALUES (?";
        for (std::size_t i = 1; i < table.columns.size(); ++i) sql += ", ?";
        sql += ")";
    }
    sqlite3_stmt* stmt = statement(sql);
    for (std::size_t i = 0; i < row.size(); ++i) bind(stmt, static_cast<int>(i + 1), row[i]);
    check(db_, sqlite3_step(stmt));
}

void SqliteSink::fileDone(const std::string& storeFile, FileStamp stamp) {
    sqlite3_stmt* stmt = statement("INSERT OR REPLACE INTO store_files (path, size, mtime) VALUES (?, ?, ?)");
    sqlite3_bind_text(stmt, 1, storeFile.data(), static_cast<int>(storeFile.size()), SQLITE_STATIC);
    sqlite3_bind_int64(stmt, 2, stamp.size);
    sqlite3_bind_int64(stmt, 3, stamp.mtime);
    check(db_, sqlite3_step(stmt));
}

void SqliteSink::commit(const std::string& range) {
    exec(createIndexesSql());
    for (const ExtraIndex& index : extraIndexes_)
        exec("CREATE INDEX IF NOT EXISTS " + index.name + " ON " + index.on + ";");
    lacksIndexes_ = false;
    sqlite3_stmt* stmt = statement("INSERT OR REPLACE INTO export_info (key, value) VALUES ('range', ?)");
    sqlite3_bind_text(stmt, 1, range.data(), static_cast<int>(range.size()), SQLITE_STATIC);
    check(db_, sqlite3_step(stmt));
    for (auto& [text, s] : statements_) sqlite3_finalize(s);
    statements_.clear();
    exec("COMMIT;");
    if (writing_ == file_) return;
    if (sqlite3_close(db_) != SQLITE_OK) throw SinkError(sqlite3_errmsg(db_));
    db_ = nullptr;
    std::error_code error;
    // The journal of an update of the old file that was cut off would be
    // played back into the new one.
    fs::path journal = file_;
    journal += "-journal";
    fs::remove(journal, error);
    fs::rename(writing_, file_, error);
    if (error) throw SinkError(file_.string() + ": " + error.message());
    writing_ = file_;
}

}  // namespace vantor::sqlexport
