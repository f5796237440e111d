#pragma once
// The tables of an export: their columns (the store file a row came from
// last), primary keys and indexes, and the layout-driven row values of
// races, runners and horses. Both databases make their tables from these
// descriptions.

#include <string>
#include <vector>

#include "export/sql_row.h"
#include "text/sjis.h"

namespace vantor::sqlexport {

// In the order of exportTables().
enum class TableId {
    races,
    runners,
    payouts,
    horses,
    predictedOdds,
    // The race day's live records (Live/<yyyymmdd>/).
    liveWeights,
    liveScratches,
    liveJockeyChanges,
    livePostTimeChanges,
    liveCourseChanges,
    liveWeather,
    liveWinOdds,
    livePlaceOdds,
    liveBracketOdds,
    liveQuinellaOdds,
    liveWinOddsSeries,
    // The user's marks file.
    marks,
    notes,
    markSets,
};

struct TableDef {
    TableId id;
    std::string name;
    std::vector<ColumnDef> columns;  // the last one is store_file
    std::vector<std::string> primaryKey;
    std::vector<std::string> indexed;  // one index per column named
    bool raceDays = true;              // a first column race_date that --from and --to limit
};

// Rows of one record, each with its table.
using TableRows = std::vector<std::pair<TableId, Row>>;

// The application id ("VANT") and the schema version the export writes.
// Schema 2 added the live and marks tables; an export of schema 1 lacks
// only those and is brought up to schema 2 in place.
inline constexpr int kApplicationId = 0x56414E54;
inline constexpr int kSchemaVersion = 2;
inline constexpr int kOldestUpgradableSchema = 1;

const std::vector<TableDef>& exportTables();
const TableDef& tableDef(TableId id);

// The racecourse's name for the code as the program shows it (jyocd_name);
// empty for a code without one.
SjisString courseName(SjisView code);

// race_date, jyocd, jyocd_name, kaiji, nichiji, racenum.
std::vector<ColumnDef> raceKeyColumns();
void appendRaceKey(SjisView record, Row& row);
// The same columns from the store's 16-digit race key
// (yyyymmdd, racecourse, meeting, day, race number).
void appendRaceKeyOf(SjisView raceKey, Row& row);

// A record's values in the order of its table's columns, without the store
// file.
void appendRaceValues(SjisView record, Row& row);
void appendRunnerValues(SjisView record, Row& row);
void appendHorseValues(SjisView record, Row& row);

}  // namespace vantor::sqlexport
