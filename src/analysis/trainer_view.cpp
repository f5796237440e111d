#include "analysis/trainer_view.h"

namespace vantor {
namespace {

constexpr std::size_t kCountWidth = 3;

}  // namespace

SjisView trainerItemName(SjisView item) {
    return item.substr(0, item.size() > kCountWidth ? item.size() - kCountWidth : 0);
}

std::vector<TrainerRunner> trainerRunners(const RaceDay& day, SjisView name) {
    std::vector<TrainerRunner> runners;
    for (int r = 0; r < kMaxRaces; ++r) {
        const TRaceRec& race = day.RaceTbl[static_cast<std::size_t>(r)];
        if (race.RacePresent != 1) continue;
        for (int j = 0; j < kMaxRunners; ++j)
            if (race.ChokName[static_cast<std::size_t>(j)] == name) runners.push_back({r, j});
    }
    return runners;
}

}  // namespace vantor
