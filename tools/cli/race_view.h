#pragma once
// A day loaded and a race chosen as the main window does it, for the
// commands that print what the window shows.

#include <memory>
#include <optional>
#include <string>

#include "analysis/race_card.h"
#include "commands.h"
#include "raceday/day_loader.h"

namespace vantor::cli {

struct RaceView {
    std::unique_ptr<RaceDay> day;
    DayLoadResult load;
    std::string dayName;
    int race = 0;  // race slot, 0-based
    RaceCardTexts card;
};

// Loads --day and chooses --race (1-based, default 1), with the user's
// marks of --set (default 1) when there is a marks file. Prints a message
// and gives nothing for an unknown day, a day without races, a bad race
// number or set, or a marks file that cannot be opened.
std::optional<RaceView> openRace(const Context& ctx);

// The --day option, when it names a race day of the store. Prints a
// message and gives nothing otherwise.
std::optional<std::string> dayName(const Context& ctx);

// The --race option of a day with `races` races: 1 to races, 1 when not
// given. Prints a message and gives nothing for any other text.
std::optional<int> raceNumber(const Context& ctx, std::size_t races);

}  // namespace vantor::cli
