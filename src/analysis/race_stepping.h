#pragma once
// The race stepper of the tool bar (UpDown1Click): its position names the
// race-list item to show.

#include <optional>

namespace vantor {

// The race-list item to choose for the stepper's position: nothing when
// the list holds fewer than two races or the position lies outside it.
constexpr std::optional<int> steppedRace(int raceItems, int position) {
    if (raceItems < 2 || position < 0 || position >= raceItems) return std::nullopt;
    return position;
}

}  // namespace vantor
