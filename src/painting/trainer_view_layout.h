#pragma once
// The trainer view as drawing operations: the items of the trainer list
// (ChokBox) and the cells of the trainer grid (StringGrid5), whose rows are
// race-card rows headed by the runner's race instead of its bracket.

#include <optional>

#include "analysis/trainer_view.h"
#include "painting/card_style.h"
#include "painting/view_colours.h"

namespace vantor::views {

inline constexpr int kTrainerItemHeight = 16;

// One trainer-list item: white, its text in black at (2, 2).
draw::Ops trainerItem(SjisView text, int width, int height, const draw::Font& font);

// Cell (col, row) of the trainer grid. runner is the row's runner (nothing
// for the header row); a data row without a runner, or with one outside the
// tables, draws nothing. The header's race columns (6 to 11) get only their
// bottom line, over the caption the grid draws.
draw::Ops trainerGridCell(const RaceDay& day, int col, int row, const std::optional<TrainerRunner>& runner,
                          const card::CellBox& box, const ViewColours& colours);

}  // namespace vantor::views
