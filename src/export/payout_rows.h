#pragma once
// The payouts table: one row per paid combination of a payout record, that
// is per slot whose combination is not blank and whose payout is above 0.

#include "export/export_tables.h"
#include "text/sjis.h"

namespace vantor::sqlexport {

std::vector<ColumnDef> payoutColumns();

// Appends the record's rows, each in the order of payoutColumns.
void appendPayoutRows(SjisView record, TableRows& rows);

}  // namespace vantor::sqlexport
