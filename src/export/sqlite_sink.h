#pragma once
// The export into an SQLite file. A new file is written under a temporary
// name in the same folder and renamed into place at commit; an existing
// export is updated in place in one transaction, an export of an earlier
// schema version brought up to this one on the way. A file that is not an
// export of this or an earlier schema version is refused unless it is to be
// replaced; what is not a regular file (a device, a pipe, a folder) is
// never used.

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "export/sql_sink.h"

struct sqlite3;
struct sqlite3_stmt;

namespace vantor::sqlexport {

// Why an existing file is not updated: it is no SQLite database (or a
// damaged one), another program's database, or an export of a newer (or
// unknown) schema version.
struct SqliteRefusal {
    enum class Kind { notSqlite, foreignDatabase, otherSchema };
    Kind kind;
    long long found = 0;  // the file's application id or schema version
};

// Why a file is not opened: a message (UTF-8) and, when the file is refused
// rather than failing to open, what it is instead.
struct SqliteOpenError {
    std::string message;
    std::optional<SqliteRefusal> refusal;
};

// An index beyond the export's own: its name and what it covers, as
// CREATE INDEX takes it after ON ("runners (kisyucode, race_date)").
struct ExtraIndex {
    std::string name;
    std::string on;
};

class SqliteSink final : public SqlSink {
public:
    // The sink, or why the file is refused or cannot be opened. replace: a
    // file that is refused is written anew.
    static std::variant<std::unique_ptr<SqliteSink>, SqliteOpenError> open(const std::filesystem::path& file,
                                                                           bool replace);
    // A new export written under the temporary name and renamed over the
    // file at commit, whatever the file holds now (a damaged export).
    static std::variant<std::unique_ptr<SqliteSink>, SqliteOpenError> create(const std::filesystem::path& file);
    ~SqliteSink() override;

    // Called every so often while SQLite works (a first export's commit
    // makes the indexes for seconds), so that a window stays alive.
    void setPump(std::function<void()> pump);

    // Indexes the file is to hold beside the export's own, made at the
    // commit when it lacks them; a file that lacks one counts as outdated,
    // so that even an export with nothing new makes it.
    void setExtraIndexes(std::vector<ExtraIndex> indexes);

    bool outdated() override { return outdated_ || lacksIndexes_; }
    FileIndex exportedFiles() override;
    std::string exportedRange() override;
    void begin() override;
    void clear() override;
    std::vector<Row> rowsFrom(const TableDef& table, const std::string& columns, const std::string& storeFile) override;
    void removeFile(const std::string& storeFile) override;
    void insert(const TableDef& table, const Row& row, Conflict conflict) override;
    void fileDone(const std::string& storeFile, FileStamp stamp) override;
    void commit(const std::string& range) override;

private:
    SqliteSink(sqlite3* db, std::filesystem::path file, std::filesystem::path writing);
    void exec(const std::string& sql);
    sqlite3_stmt* statement(const std::string& sql);

    sqlite3* db_;
    std::filesystem::path file_, writing_;  // writing_ differs from file_ for a new file
    std::map<std::string, sqlite3_stmt*> statements_;
    std::map<std::pair<TableId, Conflict>, std::string> insertSql_;
    std::function<void()> pump_;
    std::vector<ExtraIndex> extraIndexes_;
    bool lacksIndexes_ = false;
    bool fresh_ = false;
    bool outdated_ = false;  // an export of an earlier schema version
};

}  // namespace vantor::sqlexport
