#include "demo/career_stats.h"

#include "demo/courses.h"

namespace vantor::demo {

int finishClass(const Run& run) { return run.position >= 1 && run.position <= 5 ? run.position - 1 : 5; }

void addRun(CareerStats& s, const Race& race, const Run& run) {
    if (run.status == RunStatus::scratched) return;
    const std::size_t c = static_cast<std::size_t>(finishClass(run));
    ++s.starts;
    ++s.all[c];
    if (race.venue != Venue::jra) return;
    ++s.jra[c];
    ++s.byTrack[static_cast<std::size_t>(trackGroup(race.trackCD))][c];
    const bool jump = race.surface == Surface::jump;
    const std::size_t surface = static_cast<std::size_t>(race.surface);
    const int going = race.surface == Surface::dirt ? race.dirtGoing : race.turfGoing;
    ++s.byGoing[surface * 4 + static_cast<std::size_t>(going - 1)][c];
    if (!jump) {
        const std::size_t band = race.distance <= 1600 ? 0 : race.distance <= 2200 ? 1 : 2;
        ++s.byDistance[surface * 3 + band][c];
    }
    if (run.style >= 1 && run.style <= 4) ++s.styles[static_cast<std::size_t>(run.style - 1)];
    (jump ? s.jumpPrize : s.flatPrize) += run.prize;
    (jump ? s.jumpAdded : s.flatAdded) += run.added;
    if (run.position == 1) (jump ? s.jumpEarned : s.flatEarned) += run.prize;
}

}  // namespace vantor::demo
