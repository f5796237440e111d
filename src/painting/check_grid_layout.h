#pragma once
// The card-check grid (StringGrid2) as drawing operations: per runner its
// bracket, number, the user's mark, readiness and maxim-2 marks, name with sex, age and
// weight, jockey, trainer and the 25 week columns, each run with its date,
// the interval before it (red from 56 days, a rest) and its position.
// Drawn from the race-day tables for the runner whose horse number the
// row's column 1 holds.

#include "painting/card_style.h"
#include "painting/view_colours.h"
#include "raceday/race_day.h"

namespace vantor::views {

// Intervals of this many days and more are rests, drawn red.
inline constexpr int kRestDays = 56;

// Cell (col, row) of the grid for race slot `race`. numberText is the row's
// column-1 text; a row whose number is not a horse number 1 to 18 (the
// header row, an empty row) is drawn as a header, where the columns without a
// caption of their own show cellText.
draw::Ops checkGridCell(const RaceDay& day, int race, int col, int row, SjisView numberText, SjisView cellText,
                        const card::CellBox& box, const ViewColours& colours);

}  // namespace vantor::views
