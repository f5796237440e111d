#pragma once
// Where an export writes: one database behind a small interface, so that
// SQLite and PostgreSQL share the row production. Every change an export
// makes happens between begin and commit, in one transaction; a sink
// reports a database error by throwing SinkError.

#include <stdexcept>
#include <string>
#include <vector>

#include "export/export_tables.h"
#include "export/store_files.h"

namespace vantor::sqlexport {

struct SinkError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// What a row does when its table holds a row of the same key already.
enum class Conflict { replace, keep };

class SqlSink {
public:
    virtual ~SqlSink() = default;

    // The store files of the last export and the race days it covered
    // ("from..to"); nothing for a new database, or a sink that always
    // writes everything.
    virtual FileIndex exportedFiles() = 0;
    virtual std::string exportedRange() = 0;
    // Whether the database holds an earlier schema version, which begin()
    // brings up to this one: an export then writes even when nothing changed.
    virtual bool outdated() { return false; }

    // Starts the transaction; makes the tables that are missing.
    virtual void begin() = 0;
    // Removes every row and the file index.
    virtual void clear() = 0;
    // Values of the columns named (comma-separated) of the rows that came
    // from the store file.
    virtual std::vector<Row> rowsFrom(const TableDef& table, const std::string& columns,
                                      const std::string& storeFile) = 0;
    // Removes the rows that came from the store file, and its index entry.
    virtual void removeFile(const std::string& storeFile) = 0;
    virtual void insert(const TableDef& table, const Row& row, Conflict conflict) = 0;
    virtual void fileDone(const std::string& storeFile, FileStamp stamp) = 0;
    // Keeps the range and ends the transaction.
    virtual void commit(const std::string& range) = 0;
};

}  // namespace vantor::sqlexport
