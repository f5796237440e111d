#pragma once
// The trainer view (ChokBoxChange): every runner of the day of the trainer
// chosen in ChokBox, across all races and racecourses. Each row of the
// trainer grid carries the runner as two hidden keys, race slot and runner
// position, which the grid's drawing replaces entirely.

#include <array>
#include <optional>
#include <vector>

#include "raceday/race_day.h"

namespace vantor {

struct TrainerRunner {
    int race = 0;    // race slot, 0-35
    int runner = 0;  // runner position, 0-17
    friend bool operator==(const TrainerRunner&, const TrainerRunner&) = default;
};

// The trainer name of a ChokBox item: the item without its "%3d" runner count.
SjisView trainerItemName(SjisView item);

// Runner positions 0-17 of every race slot whose present flag is 1 whose
// stored trainer name equals name exactly, in race-slot order.
std::vector<TrainerRunner> trainerRunners(const RaceDay& day, SjisView name);

// The hidden keys of a trainer grid row, columns 0 and 1, each "%2d".
std::array<SjisString, 2> trainerRowKeys(const TrainerRunner& runner);
// The runner the keys name; nothing when they name no race slot or runner position.
std::optional<TrainerRunner> trainerRowRunner(SjisView raceKey, SjisView runnerKey);

}  // namespace vantor
