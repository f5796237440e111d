#pragma once
// The analysis database as the text of its rows (sqlite3's dump), its file
// index's store file times taken out: two program folders filed alike hold
// the same rows, while their files' times differ from run to run.

#include <filesystem>
#include <string>

#include "support/run_command.h"
#include "support/temp_dir.h"

namespace vantor::test {

inline std::string analysisDbRows(const std::string& databaseBytes) {
    const TempDir scratch;
    const auto copy = scratch / "rows.sqlite";
    writeFile(copy, databaseBytes);
    return runCommand("sqlite3 " + shellWord(copy.string()) + " 'UPDATE store_files SET mtime = 0' .dump").text;
}

}  // namespace vantor::test
