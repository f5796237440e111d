#include "analysis/view_grids.h"

#include "analysis/card_row_order.h"
#include "analysis/grid_headers.h"
#include "analysis/search_list.h"

namespace vantor {
namespace {

// The header row and one row per element of rows, whose texts fill the
// columns from firstCol on; every other cell is empty.
template <class Rows>
GridCells runnerGrid(const std::vector<SjisString>& headers, Rows rows, int firstCol) {
    const int rowCount = static_cast<int>(rows.size()) + 1;
    return {static_cast<int>(headers.size()), rowCount,
            [&headers, rows = std::move(rows), firstCol](int c, int r) -> SjisString {
                if (r == 0)
                    return c >= 0 && c < static_cast<int>(headers.size()) ? headers[static_cast<std::size_t>(c)]
                                                                          : SjisString();
                if (r < 0 || r > static_cast<int>(rows.size())) return {};
                const auto& row = rows[static_cast<std::size_t>(r - 1)];
                const int i = c - firstCol;
                return i >= 0 && i < static_cast<int>(row.size()) ? row[static_cast<std::size_t>(i)] : SjisString();
            }};
}

}  // namespace

GridCells signCheckGrid(const RaceCardTexts& card) { return runnerGrid(signCheckHeaders(), card.signRows, 0); }

GridCells cardCheckGrid(const RaceCardTexts& card) { return runnerGrid(cardCheckHeaders(), card.checkRows, 0); }

GridCells horseSearchGrid(const HorseSearchResult& result) { return runnerGrid(horseSearchHeaders(), result.rows, 0); }

GridCells searchListGrid(const RaceDay& day, int criterion) {
    return runnerGrid(searchListHeaders(), searchListRows(day, criterion), 0);
}

GridCells raceCardGrid(const RaceDay& day, const std::vector<RunnerSlot>& rows) {
    std::vector<card::RaceCardKeys> keys;
    for (const RunnerSlot& runner : rows) keys.push_back(card::raceCardKeys(day, runner));
    return runnerGrid(raceCardHeaders(), std::move(keys), card::kNumberColumn);
}

}  // namespace vantor
