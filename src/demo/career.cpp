#include "demo/career.h"

#include <algorithm>
#include <array>

#include "codes/calendar.h"
#include "demo/form.h"
#include "demo/race_plan.h"
#include "demo/rng.h"

namespace vantor::demo {
namespace {

// Days to the next run: mostly two to five weeks, now and then a rest of
// two months or three, rarely longer.
int restDays(Rng& rng) {
    constexpr int kWeights[] = {4, 18, 22, 18, 10, 8, 9, 7, 4};
    constexpr std::array<std::array<int, 2>, 9> kRanges = {
        {{7, 7}, {14, 14}, {21, 21}, {28, 28}, {35, 35}, {42, 49}, {56, 73}, {74, 94}, {95, 200}}};
    const auto& r = kRanges[rng.weighted(kWeights)];
    return rng.between(r[0], r[1]);
}

void startJumping(Horse& h, int day) {
    h.jumper = true;
    h.jumpClass = 0;
    h.readyDay = std::max(h.readyDay, day + 60);  // schooling over fences first
}

bool stakesOrOpen(const Race& race) { return race.cls == RaceClass::open || race.grade != ' '; }

}  // namespace

void afterRun(Horse& h, const Race& race, const Run& run, Rng& rng) {
    if (run.status == RunStatus::scratched) {
        h.readyDay = race.day + rng.between(7, 21);
        return;
    }
    ++h.starts;
    h.debuted = true;
    const bool jump = race.surface == Surface::jump;
    if (jump) ++h.jumpStarts;
    if (run.position == 1) {
        if (jump) {
            h.jumpClass = 1;
        } else if (race.venue == Venue::jra) {
            const int gained = race.grade != ' ' && race.grade != 'E' ? 4
                               : stakesOrOpen(race)                   ? std::max(h.classLevel + 1, 3)
                                                                      : h.classLevel + 1;
            h.classLevel = static_cast<std::uint8_t>(std::min(4, gained));
        }
    }
    h.poorRuns = run.position >= 1 && run.position <= 5 ? 0 : h.poorRuns + 1;
    h.readyDay = race.day + (run.status == RunStatus::stopped ? rng.between(95, 200) : restDays(rng));

    const int age = racingAge(h, race.date / 10000);
    double retire = 0.004;
    if (age >= 6) retire += (age - 5) * 0.05;
    if (h.poorRuns >= 6) retire += 0.1;
    if (h.jumper && h.jumpClass == 0 && h.jumpStarts >= 8) retire += 0.2;
    if (age >= 9 || rng.chance(retire)) {
        h.retireDay = race.day + rng.between(14, 60);
        return;
    }
    if (!h.jumper && age >= 3 && h.classLevel <= 2 && h.starts >= 6 && h.poorRuns > 0 && rng.chance(0.025))
        startJumping(h, race.day);
}

bool leavesMaidenRanks(Horse& h, int day, Rng& rng) {
    if (h.jumper || h.classLevel != 0 || h.retireDay != 0) return h.retireDay != 0;
    const int age = racingAge(h, civil(day).y);
    if (age < 3 || (age == 3 && threeYearOldMaidenRacesRun(day))) return false;
    if (h.debuted && rng.chance(0.15)) {
        startJumping(h, day);
        return true;
    }
    h.retireDay = day;
    return true;
}

}  // namespace vantor::demo
