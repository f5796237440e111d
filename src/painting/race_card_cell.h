#pragma once
// The race card grid (StringGrid4) as drawing operations: one runner per
// row, named by the grid's list of row runners so that rows can be
// reordered freely; six fixed columns about the runner (bracket, horse
// number, the user's mark, horse, people, prize) and six about the race itself and the
// runner's last five runs. The grid draws each cell in its default way
// first; these operations are painted over it.

#include "analysis/race_card.h"
#include "painting/card_style.h"

namespace vantor::card {

// The runner slot that stands for the header row.
inline constexpr int kHeaderRunner = -1;

// A cell of the columns from kUserMarkColumn on for runner slot `runner`
// of race slot `race`, or of the header row for kHeaderRunner; `chosen`
// marks the row the mark keys go to. The trainer grid draws these columns
// with it too. Nothing for a column, race or runner outside the tables.
draw::Ops raceCardColumn(const RaceDay& day, int race, int runner, int col, const CellBox& box, bool chosen);

// Cell `col` of the row for runner slot `runner` (kHeaderRunner: the
// header row) of race slot `race`. Nothing for a race or runner outside
// the tables. Like every cell helper here it takes the runner before the
// column.
draw::Ops StringGrid4DrawCell(const RaceDay& day, int race, int runner, int col, const CellBox& box,
                              const CardColours& colours, bool chosen);

}  // namespace vantor::card
