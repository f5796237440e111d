#pragma once
// An export as schema 1 wrote it: the tables of races, runners, payouts,
// horses and predicted odds only, and in its file index no live file and no
// marks file.

#include "export_store.h"

namespace vantor::test {

inline void makeSchema1(const std::filesystem::path& db) {
    std::string sql = "PRAGMA user_version = 1;";
    for (const auto& table : sqlexport::exportTables())
        if (table.id >= sqlexport::TableId::liveWeights) sql += "DROP TABLE \"" + table.name + "\";";
    sql += "DELETE FROM store_files WHERE path LIKE 'Live/%' OR path = 'usermarks.sqlite';";
    const auto run = runCommand("sqlite3 " + shellWord(db.string()) + " " + shellWord(sql));
    ASSERT_EQ(run.status, 0) << run.text;
}

}  // namespace vantor::test
