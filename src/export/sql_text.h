#pragma once
// The SQL statements both databases share: tables, indexes and the export's
// own bookkeeping tables.

#include <string>

#include "export/export_tables.h"

namespace vantor::sqlexport {

enum class Dialect { sqlite, postgres };

// The export's own tables store_files (path, size, mtime) and export_info
// (key, value), and the tables of the rows, where missing.
std::string createSchemaSql(Dialect dialect);
// The indexes of every table, where missing.
std::string createIndexesSql();
// "a", "b", "c" as "\"a\", \"b\", \"c\"".
std::string columnList(const TableDef& table);

}  // namespace vantor::sqlexport
