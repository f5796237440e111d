#pragma once
// The runners behind a grid's rows. Grids that show one runner per row (the
// race card, the trainer grid) keep the list of their rows' runners beside
// the grid: the rows' texts are written from it and their cells painted
// from it, so reordering the rows reorders this list.

#include <optional>
#include <vector>

namespace vantor {

struct RunnerSlot {
    int race = 0;    // race slot, 0-35
    int runner = 0;  // runner slot within the race, 0-17
    friend bool operator==(const RunnerSlot&, const RunnerSlot&) = default;
};

// The runner of grid row `row` when rows 1, 2, ... stand for `rows` in
// order; nothing for the header row and for rows past the list.
inline std::optional<RunnerSlot> runnerOfRow(const std::vector<RunnerSlot>& rows, int row) {
    if (row < 1 || row > static_cast<int>(rows.size())) return std::nullopt;
    return rows[static_cast<std::size_t>(row - 1)];
}

}  // namespace vantor
