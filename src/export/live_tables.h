#pragma once
// The tables of the race day's live records, one row per record (WE, AV,
// JC, TC, CC) or per horse and pair (WH, O1, O2), each read with the live
// record layouts (jvdata_live_structure.h) and the live state's readers of
// markers (live_values.h). Every row also holds the record's line in its
// store file, which with the file keys it: a live file holds whatever its
// answer delivered, announce times absent or repeated.

#include "export/export_tables.h"

namespace vantor::sqlexport {

// Columns of each live table, without line and store_file.
std::vector<ColumnDef> liveColumns(TableId table);

// The rows of a record of a live file, by its kind; an O1 of the win-odds
// series goes into live_win_odds_series, the other O1 into the snapshot
// tables. A kind no table holds (O3-O6) gives nothing.
void appendLiveRows(SjisView record, bool winOddsSeries, TableRows& rows);

}  // namespace vantor::sqlexport
