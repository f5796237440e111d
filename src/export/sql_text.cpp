#include "export/sql_text.h"

namespace vantor::sqlexport {
namespace {

std::string_view typeName(SqlType type, Dialect dialect) {
    const bool pg = dialect == Dialect::postgres;
    switch (type) {
        case SqlType::integer:
            return pg ? "bigint" : "INTEGER";
        case SqlType::real:
            return pg ? "double precision" : "REAL";
        case SqlType::text:
            break;
    }
    return pg ? "text" : "TEXT";
}

std::string quoted(std::string_view name) { return "\"" + std::string(name) + "\""; }

std::string joined(const std::vector<std::string>& names) {
    std::string out;
    for (const auto& n : names) out += (out.empty() ? "" : ", ") + quoted(n);
    return out;
}

// SQLite keeps a table without row ids in key order, so that a dump does not
// depend on the order the rows came in.
std::string_view tableSuffix(Dialect dialect) { return dialect == Dialect::sqlite ? " WITHOUT ROWID" : ""; }

}  // namespace

std::string columnList(const TableDef& table) {
    std::string out;
    for (const auto& c : table.columns) out += (out.empty() ? "" : ", ") + quoted(c.name);
    return out;
}

std::string createSchemaSql(Dialect dialect) {
    const std::string suffix(tableSuffix(dialect));
    const std::string integer(typeName(SqlType::integer, dialect));
    std::string sql = "CREATE TABLE IF NOT EXISTS store_files (path TEXT PRIMARY KEY, size " + integer +
                      " NOT NULL, mtime " + integer + " NOT NULL)" + suffix +
                      ";\nCREATE TABLE IF NOT EXISTS export_info (key TEXT PRIMARY KEY, value TEXT)" + suffix + ";\n";
    for (const auto& table : exportTables()) {
        sql += "CREATE TABLE IF NOT EXISTS " + quoted(table.name) + " (";
        for (const auto& c : table.columns) sql += quoted(c.name) + " " + std::string(typeName(c.type, dialect)) + ", ";
        sql += "PRIMARY KEY (" + joined(table.primaryKey) + "))" + suffix + ";\n";
    }
    return sql;
}

std::string createIndexesSql() {
    std::string sql;
    for (const auto& table : exportTables())
        for (const auto& column : table.indexed)
            sql += "CREATE INDEX IF NOT EXISTS " + quoted(table.name + "_" + column) + " ON " + quoted(table.name) +
                   " (" + quoted(column) + ");\n";
    return sql;
}

}  // namespace vantor::sqlexport
