#pragma once
// Live odds, popularity and weight fields as the export writes them: a
// number in its column and, beside it, a state column that is NULL for a
// number and names the marker otherwise ("no_votes", "scratched", ...), so
// that a cancelled sale never reads as odds of 0.

#include "export/sql_row.h"
#include "raceday/live_values.h"

namespace vantor::sqlexport {

// The number, divided by 10^scale when scale > 0; NULL unless a number.
Value liveNumberValue(LiveNumber n, int scale);
// NULL for a number; "blank", "no_votes", "cancelled_before_sale",
// "cancelled_after_sale", "not_weighed", "scratched" or "garbled".
Value liveStateValue(LiveNumber n);

// Appends the number and its state, each in the order of the two columns
// "<name>" and "<name>_state".
void appendLiveNumber(LiveNumber n, int scale, Row& row);
void addLiveNumberColumns(const std::string& name, SqlType type, std::vector<ColumnDef>& columns);

}  // namespace vantor::sqlexport
