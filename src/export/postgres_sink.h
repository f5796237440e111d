#pragma once
// The export into PostgreSQL, for an analysis database several machines
// share. Every export writes all rows anew in one transaction: the tables
// are made when missing and emptied, the rows are bulk loaded with COPY,
// and the indexes are made at the end.

#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "export/sql_sink.h"

struct pg_conn;

namespace vantor::sqlexport {

class PostgresSink final : public SqlSink {
public:
    // The sink, or libpq's message when the server cannot be reached.
    static std::variant<std::unique_ptr<PostgresSink>, std::string> open(const std::string& conninfo);
    ~PostgresSink() override;

    // Nothing is kept between exports: every export is a new one, so there
    // are never earlier rows to look up or remove.
    FileIndex exportedFiles() override { return {}; }
    std::string exportedRange() override { return {}; }
    std::vector<Row> rowsFrom(const TableDef&, const std::string&, const std::string&) override { return {}; }
    void removeFile(const std::string&) override {}

    void begin() override;
    void clear() override;
    void insert(const TableDef& table, const Row& row, Conflict conflict) override;
    void fileDone(const std::string& storeFile, FileStamp stamp) override;
    void commit(const std::string& range) override;

private:
    explicit PostgresSink(pg_conn* conn) : conn_(conn) {}
    void exec(const std::string& sql);
    void startCopy(const std::string& table, const std::string& columns);
    void endCopy();
    void copyLine(const Row& row);

    pg_conn* conn_;
    std::string copying_;  // the table a COPY is open for
    std::string line_;
    std::vector<std::pair<std::string, FileStamp>> files_;
};

}  // namespace vantor::sqlexport
