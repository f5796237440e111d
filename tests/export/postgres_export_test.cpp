// The export into PostgreSQL writes what the SQLite export writes: the same
// rows, value for value, in every table.

#include <gtest/gtest.h>
#include <libpq-fe.h>

#include "export/postgres_sink.h"
#include "hand_made_live_day.h"
#include "hand_made_store.h"
#include "postgres_server.h"
#include "usermarks/user_marks_export.h"
#include "usermarks/user_marks_file.h"

namespace vantor::test {
namespace {

using sqlexport::SqlType;
using sqlexport::TableDef;

std::string orderBy(const TableDef& table) {
    std::string sql;
    for (const auto& column : table.primaryKey) sql += (sql.empty() ? "" : ", ") + column;
    return sql;
}

// Every row of the table, read back with the column types of the export.
std::vector<Row> postgresRows(PGconn* conn, const TableDef& table) {
    PGresult* result = PQexec(conn, ("SELECT * FROM " + table.name + " ORDER BY " + orderBy(table)).c_str());
    std::vector<Row> rows;
    if (PQresultStatus(result) != PGRES_TUPLES_OK) ADD_FAILURE() << PQerrorMessage(conn);
    for (int r = 0; r < PQntuples(result); ++r) {
        Row& row = rows.emplace_back();
        for (int c = 0; c < PQnfields(result); ++c) {
            const std::string text = PQgetvalue(result, r, c);
            if (PQgetisnull(result, r, c)) {
                row.emplace_back();
            } else if (table.columns[static_cast<std::size_t>(c)].type == SqlType::integer) {
                row.emplace_back(std::stoll(text));
            } else if (table.columns[static_cast<std::size_t>(c)].type == SqlType::real) {
                row.emplace_back(std::stod(text));
            } else {
                row.emplace_back(text);
            }
        }
    }
    PQclear(result);
    return rows;
}

TEST(PostgresExport, EveryTableHoldsTheRowsOfTheSqliteExport) {
    PostgresServer server;
    if (!server.error().empty()) GTEST_SKIP() << "no PostgreSQL server: " << server.error();

    ExportStore store;
    fillHandMadeStore(store);
    fillHandMadeLiveDay(store);
    {
        auto marks = UserMarksFile::open(userMarksPath(store.appDir()));
        ASSERT_TRUE(std::holds_alternative<UserMarksFile>(marks));
        auto& file = std::get<UserMarksFile>(marks);
        EXPECT_FALSE(file.setMark("2024052605021211", 3, 1, UserMark::honmei));
        EXPECT_FALSE(file.setRaceNote("2024052605021211", "メモ"));
    }
    const UserMarksExportSource source(store.appDir());
    sqlexport::ExportOptions options;
    options.sideSources.push_back(&source);
    const auto sqlite = store / "vantor.sqlite";
    store.exportTo(sqlite, options);
    // Twice: a second export replaces the rows of the first.
    for (int n = 0; n < 2; ++n) {
        auto opened = sqlexport::PostgresSink::open(server.conninfo());
        ASSERT_TRUE(std::holds_alternative<std::unique_ptr<sqlexport::PostgresSink>>(opened))
            << std::get<std::string>(opened);
        const auto report = sqlexport::exportStore(store.paths(), *std::get<0>(opened), options);
        EXPECT_EQ(report.filesRead, 13);
    }

    PGconn* conn = PQconnectdb(server.conninfo().c_str());
    ASSERT_EQ(PQstatus(conn), CONNECTION_OK) << PQerrorMessage(conn);
    for (const auto& table : sqlexport::exportTables()) {
        const auto expected = query(sqlite, "SELECT * FROM " + table.name + " ORDER BY " + orderBy(table));
        EXPECT_FALSE(expected.empty()) << table.name;
        EXPECT_EQ(postgresRows(conn, table), expected) << table.name;
    }
    PQfinish(conn);
}

}  // namespace
}  // namespace vantor::test
