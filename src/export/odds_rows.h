#pragma once
// The predicted_odds table: one row per horse with predicted win odds in a
// record of a day's ".yoz" file, keyed as the file keys the race, with the
// rank day loading gives the odds.

#include "export/export_tables.h"
#include "text/sjis.h"

namespace vantor::sqlexport {

std::vector<ColumnDef> oddsColumns();

// Appends the record's rows, each in the order of oddsColumns.
void appendOddsRows(SjisView record, TableRows& rows);

}  // namespace vantor::sqlexport
