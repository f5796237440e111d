#include "race_view.h"

#include <algorithm>
#include <charconv>
#include <iostream>

#include "marks_option.h"
#include "store/day_list.h"
#include "usermarks/day_user_marks.h"

namespace vantor::cli {

std::optional<RaceView> openRace(const Context& ctx) {
    RaceView view;
    const auto day = dayName(ctx);
    if (!day) return std::nullopt;
    const StorePaths paths(ctx.appDir);
    view.dayName = *day;
    view.day = RaceDay::create();
    view.load = DayLoader(paths).load(view.dayName, *view.day);
    if (view.load.status != DayLoadResult::Status::loaded || view.load.raceItems.empty()) {
        std::cerr << "race day \"" << *day << "\" has no races\n";
        return std::nullopt;
    }
    const auto number = raceNumber(ctx, view.load.raceItems.size());
    if (!number) return std::nullopt;
    view.race = *number - 1;
    // The marks of a set (--set, else the first) as the window shows them.
    std::optional<int> set;
    std::optional<UserMarksFile> marks;
    if (!readMarkSet(ctx, "--set", set) || !openMarksFile(ctx, false, marks)) return std::nullopt;
    if (marks) showUserMarks(*view.day, *marks, set.value_or(1));
    view.card = assembleRaceCard(*view.day, view.race);
    return view;
}

std::optional<std::string> dayName(const Context& ctx) {
    const auto day = ctx.args.value("--day");
    if (!day) {
        std::cerr << "--day is missing\n";
        return std::nullopt;
    }
    const auto days = listRaceDays(StorePaths(ctx.appDir));
    if (std::find(days.begin(), days.end(), *day) == days.end()) {
        std::cerr << "no race day \"" << *day << "\" in " << ctx.appDir.string() << '\n';
        return std::nullopt;
    }
    return day;
}

std::optional<int> raceNumber(const Context& ctx, std::size_t races) {
    int number = 1;
    if (const auto race = ctx.args.value("--race")) {
        const auto [ptr, ec] = std::from_chars(race->data(), race->data() + race->size(), number);
        if (ec != std::errc() || ptr != race->data() + race->size() || number < 1 || number > static_cast<int>(races)) {
            std::cerr << "--race must be 1 to " << races << ", not \"" << *race << "\"\n";
            return std::nullopt;
        }
    }
    return number;
}

}  // namespace vantor::cli
