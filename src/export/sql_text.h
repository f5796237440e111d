#pragma once
// The SQL statements both databases share: tables, indexes and the export's
// own bookkeeping tables.

#include <string>

#include "export/export_tables.h"

namespace vantor::sqlexport {

enum class Dialect { sqlite, postgres };

std::string createTableSql(const TableDef& table, Dialect dialect, std::string_view name = {});
std::string createIndexesSql(const TableDef& table);
// store_files (path, size, mtime) and export_info (key, value).
std::string createBookkeepingSql(Dialect dialect);
// "a", "b", "c" as "\"a\", \"b\", \"c\"".
std::string columnList(const TableDef& table);

}  // namespace vantor::sqlexport
