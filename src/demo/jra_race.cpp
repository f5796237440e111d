#include "demo/jra_race.h"

#include <array>

#include "demo/field_result.h"
#include "demo/form.h"
#include "demo/payouts.h"
#include "demo/rng.h"

namespace vantor::demo {
namespace {

constexpr double kRiding = 0.55;  // what a jockey's skill adds to a runner's strength

}  // namespace

int prizeShare(std::span<const int> prizes, const Run& run) {
    const std::size_t p = run.position;
    if (p == 0 || p > prizes.size()) return 0;
    if (!run.deadHeat) return prizes[p - 1];
    const int next = p < prizes.size() ? prizes[p] : 0;
    return (prizes[p - 1] + next) / 2;
}

void runJraRace(World& world, std::uint32_t raceIndex, Rng& rng) {
    Race& race = world.races[raceIndex];
    const std::span<Run> runs(world.runs.data() + race.firstRun, static_cast<std::size_t>(race.runCount));
    const int year = race.date / 10000, month = race.date / 100 % 100;

    std::array<FieldRunner, kMaxField> field{};
    const int scratched =
        runs.size() >= 6 && rng.chance(0.012) ? rng.between(0, static_cast<int>(runs.size()) - 1) : -1;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const Horse& h = world.horses[runs[i].horse];
        field[i].strength =
            strengthFor(h, race.surface, race.distance, year, month) + kRiding * world.jockeys[runs[i].jockey].skill;
        field[i].early = h.early;
        field[i].scratched = static_cast<int>(i) == scratched;
    }
    RaceShape shape{race.surface, race.distance, race.trackCD,
                    race.surface == Surface::dirt ? race.dirtGoing : race.turfGoing, race.cls};
    const FieldSummary sum = runField(std::span(field.data(), runs.size()), shape, true, rng);
    race.starters = sum.starters;
    race.finishers = sum.finishers;
    race.winnerTime = sum.winnerTime;
    race.first3F = sum.first3F;
    race.last3F = sum.last3F;

    const std::size_t winner = sum.order[0], second = sum.order[1];
    const int lead = field[second].time - field[winner].time;
    std::array<PayoutRunner, kMaxField> bets{};
    for (std::size_t i = 0; i < runs.size(); ++i) {
        Run& run = runs[i];
        const FieldRunner& f = field[i];
        run.status = f.scratched ? RunStatus::scratched : f.stopped ? RunStatus::stopped : RunStatus::ran;
        takeOutcome(run, f);
        run.deadHeat = f.deadHeat;
        run.prize = prizeShare(race.prize, run);
        run.added = prizeShare(race.added, run);
        run.timeDiff = run.position == 1  ? -(f.deadHeat ? 0 : lead)
                       : run.position > 0 ? f.time - field[winner].time
                                          : 0;
        run.rivalHorse = static_cast<int>(runs[i == winner ? second : winner].horse);
        bets[i] = payoutRunnerOf(run);
    }
    race.payout = static_cast<int>(world.payouts.size());
    world.payouts.push_back(computePayout(std::span(bets.data(), runs.size())));
}

}  // namespace vantor::demo
