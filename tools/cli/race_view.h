#pragma once
// A day loaded and a race chosen as the main window does it, for the
// commands that print what the window shows.

#include <memory>
#include <optional>
#include <string>

#include "commands.h"
#include "raceday/day_loader.h"
#include "raceday/race_card.h"

namespace vantor::cli {

struct RaceView {
    std::unique_ptr<RaceDay> day;
    DayLoadResult load;
    std::string dayName;
    int race = 0;  // race slot, 0-based
    RaceCardTexts card;
};

// Loads --day and chooses --race (1-based, default 1). Prints a message and
// gives nothing for an unknown day, a day without races or a bad race number.
std::optional<RaceView> openRace(const Context& ctx);

}  // namespace vantor::cli
