#pragma once
// How much of each store file its readers take: what the file can sensibly
// hold. Whatever lies beyond (a file grown by a damaged disk or a hostile
// copy) is damage, which the next save of the file drops.

#include <cstddef>

#include "record_layouts/jvdata_structure.h"

namespace vantor {

inline constexpr int kRunnerSlotsPerRace = 18;
inline constexpr int kRacesPerRunnerFile = 12;
inline constexpr int kRunnerFileSlots = kRunnerSlotsPerRace * kRacesPerRunnerFile;
// A runner file is always this long: 216 slots of one SE record each.
inline constexpr std::size_t kRunnerFileBytes = kRunnerFileSlots * jvdata::kSeLength;

// The most records a keyed file (one line per race key) can hold: a day's
// races, a horse's career and the races of one outside racecourse day all
// stay far below it. The newest lines stand last, so a reader takes the end.
inline constexpr std::size_t kKeyedFileRecordLimit = 512;

}  // namespace vantor
