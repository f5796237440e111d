#include "export/postgres_sink.h"

#include <libpq-fe.h>

#include <charconv>

#include "export/sql_text.h"

namespace vantor::sqlexport {
namespace {

// A value in COPY's text format: \N for NULL, backslash escapes in texts.
void appendCopyValue(std::string& line, const Value& value) {
    char buf[32];
    switch (value.kind()) {
        case Value::Kind::null:
            line += "\\N";
            return;
        case Value::Kind::integer:
            line += std::to_string(value.integer());
            return;
        case Value::Kind::real: {
            const auto [end, error] = std::to_chars(buf, buf + sizeof buf, value.real());
            line.append(buf, end);
            return;
        }
        case Value::Kind::text:
            break;
    }
    for (const char c : value.text()) {
        switch (c) {
            case '\\':
                line += "\\\\";
                break;
            case '\t':
                line += "\\t";
                break;
            case '\n':
                line += "\\n";
                break;
            case '\r':
                line += "\\r";
                break;
            default:
                line += c;
        }
    }
}

}  // namespace

std::variant<std::unique_ptr<PostgresSink>, std::string> PostgresSink::open(const std::string& conninfo) {
    PGconn* conn = PQconnectdb(conninfo.c_str());
    if (PQstatus(conn) != CONNECTION_OK) {
        std::string message = PQerrorMessage(conn);
        PQfinish(conn);
        while (!message.empty() && message.back() == '\n') message.pop_back();
        return message;
    }
    std::unique_ptr<PostgresSink> sink(new PostgresSink(conn));
    sink->exec("SET client_encoding = 'UTF8'; SET client_min_messages = warning");
    return sink;
}

PostgresSink::~PostgresSink() { PQfinish(conn_); }  // a transaction not committed is rolled back

void PostgresSink::exec(const std::string& sql) {
    PGresult* result = PQexec(conn_, sql.c_str());
    const auto status = PQresultStatus(result);
    PQclear(result);
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) throw SinkError(PQerrorMessage(conn_));
}

void PostgresSink::begin() { exec("BEGIN;\n" + createSchemaSql(Dialect::postgres)); }

void PostgresSink::clear() {
    std::string sql = "TRUNCATE store_files, export_info";
    for (const auto& table : exportTables()) sql += ", \"" + table.name + "\"";
    exec(sql);
}

void PostgresSink::startCopy(const std::string& table, const std::string& columns) {
    endCopy();
    PGresult* result = PQexec(conn_, ("COPY \"" + table + "\" (" + columns + ") FROM STDIN").c_str());
    const bool ok = PQresultStatus(result) == PGRES_COPY_IN;
    PQclear(result);
    if (!ok) throw SinkError(PQerrorMessage(conn_));
    copying_ = table;
}

void PostgresSink::endCopy() {
    if (copying_.empty()) return;
    copying_.clear();
    if (PQputCopyEnd(conn_, nullptr) != 1) throw SinkError(PQerrorMessage(conn_));
    bool ok = true;
    while (PGresult* result = PQgetResult(conn_)) {
        ok = ok && PQresultStatus(result) == PGRES_COMMAND_OK;
        PQclear(result);
    }
    if (!ok) throw SinkError(PQerrorMessage(conn_));
}

void PostgresSink::copyLine(const Row& row) {
    line_.clear();
    for (const auto& value : row) {
        if (!line_.empty()) line_ += '\t';
        appendCopyValue(line_, value);
    }
    line_ += '\n';
    if (PQputCopyData(conn_, line_.data(), static_cast<int>(line_.size())) != 1) throw SinkError(PQerrorMessage(conn_));
}

// The rows come without duplicates: an export into an empty database keeps
// the first copy of a race or run and leaves out the others.
void PostgresSink::insert(const TableDef& table, const Row& row, Conflict) {
    if (copying_ != table.name) startCopy(table.name, columnList(table));
    copyLine(row);
}

void PostgresSink::fileDone(const std::string& storeFile, FileStamp stamp) { files_.emplace_back(storeFile, stamp); }

void PostgresSink::commit(const std::string& range) {
    startCopy("store_files", "path, size, mtime");
    for (const auto& [path, stamp] : files_) copyLine({path, stamp.size, stamp.mtime});
    startCopy("export_info", "key, value");
    copyLine({"range", range});
    endCopy();
    exec(createIndexesSql() + "COMMIT;");
}

}  // namespace vantor::sqlexport
