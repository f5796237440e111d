#pragma once
// The analysis database as the record queries read it: the program's own
// export of the store, with the indexes its build made for them
// (export/analysis_db.h). It is only read, so a reader needs no write
// access; statements are prepared once and reused.

#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

struct sqlite3;
struct sqlite3_stmt;

namespace vantor::stats {

// The database failed while a query ran (its message, UTF-8).
class StatsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One prepared statement, stepped row by row. Texts are UTF-8 as the
// export writes them and valid until the next step.
class Query {
public:
    Query(sqlite3* db, sqlite3_stmt* stmt) : db_(db), stmt_(stmt) {}
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    // Starts the statement again with no values bound.
    Query& restart();
    Query& bind(int index, std::string_view utf8);
    Query& bind(int index, long long number);
    // The next row; false at the end. Throws StatsError when the database fails.
    bool next();

    bool isNull(int column) const;
    long long integer(int column) const;
    double real(int column) const;
    std::string_view text(int column) const;

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_;
};

class StatsDb {
public:
    // The database, or why it cannot be read (UTF-8): it is missing or no
    // export of this schema.
    static std::variant<StatsDb, std::string> open(const std::filesystem::path& file);
    StatsDb(StatsDb&& other) noexcept;
    StatsDb& operator=(StatsDb&&) = delete;
    ~StatsDb();

    // The statement of sql, prepared on first use. Throws StatsError for
    // sql the database cannot prepare.
    Query& query(const std::string& sql);

private:
    explicit StatsDb(sqlite3* db) : db_(db) {}
    sqlite3* db_;
    std::map<std::string, std::unique_ptr<Query>, std::less<>> queries_;
};

}  // namespace vantor::stats
