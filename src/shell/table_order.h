#pragma once
// The order of a text table's rows sorted by one of its columns, for the
// views whose grids sort on a click of a column's header: a numeric
// column by its numbers, another by its texts.

#include <optional>
#include <vector>

#include "stats/stats_tables.h"

namespace vantor {

// The number a numeric cell shows: "12", "33.3", "-0.4", a race time
// "1:34.5" in seconds (94.5), a body weight "480(+2)" as 480; none for an
// empty cell or a word ("取消").
std::optional<double> cellNumber(SjisView text);

// Row indexes of table.rows sorted by column, ascending or descending;
// equal rows keep their order, rows without a number in a numeric column
// go last either way, and the last keptLast rows (a total) stay last.
std::vector<std::size_t> sortedRowOrder(const stats::TextTable& table, std::size_t column, bool descending,
                                        std::size_t keptLast = 0);

}  // namespace vantor
