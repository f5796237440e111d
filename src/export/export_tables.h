#pragma once
// The tables of an export: their columns (the store file a row came from
// last), primary keys and indexes, and the layout-driven row values of
// races, runners and horses.

#include <string>
#include <vector>

#include "export/sql_row.h"
#include "text/sjis.h"

namespace vantor::sqlexport {

enum class TableId { races, runners, payouts, horses, predictedOdds };

struct TableDef {
    TableId id;
    std::string name;
    std::vector<ColumnDef> columns;  // the last one is store_file
    std::vector<std::string> primaryKey;
    std::vector<std::string> indexed;  // one index per column named
};

// The application id ("VANT") and the schema version the export writes.
inline constexpr int kApplicationId = 0x56414E54;
inline constexpr int kSchemaVersion = 1;

const std::vector<TableDef>& exportTables();
const TableDef& tableDef(TableId id);

// race_date, jyocd, jyocd_name, kaiji, nichiji, racenum.
std::vector<ColumnDef> raceKeyColumns();
void appendRaceKey(SjisView record, Row& row);

// A record's values in the order of its table's columns, without the store
// file.
void appendRaceValues(SjisView record, Row& row);
void appendRunnerValues(SjisView record, Row& row);
void appendHorseValues(SjisView record, Row& row);

}  // namespace vantor::sqlexport
