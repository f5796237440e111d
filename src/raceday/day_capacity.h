#pragma once
// The bounds of a race day and the record images its tables hold.
// Capacities are the limits of the system: 36 races, 18 runner slots per
// race, 25 earlier runs per runner.

#include <array>
#include <cstdint>

#include "raceday/record_image.h"
#include "record_layouts/jvdata_structure.h"
#include "record_layouts/odds_line_layouts.h"

namespace vantor {

inline constexpr int kMaxRaces = 36;
inline constexpr int kMaxRunners = 18;
inline constexpr int kMaxEarlierRuns = 25;
// Earlier runs whose race details are looked up; runs 21-25 keep their
// date and race key only.
inline constexpr int kDetailedEarlierRuns = 20;
inline constexpr int kRunIndexes = kMaxEarlierRuns + 1;
inline constexpr int kWeekSlots = 25;
inline constexpr int kFinishClasses = 6;  // 1st to 5th, unplaced

template <class T>
using PerRunner = std::array<T, kMaxRunners>;
template <class T>
using PerRun = std::array<std::array<T, kRunIndexes>, kMaxRunners>;

using RaImage = RecordImage<jvdata::kRaLength>;
using SeImage = RecordImage<jvdata::kSeLength>;
using HrImage = RecordImage<jvdata::kHrLength>;
using UmImage = RecordImage<jvdata::kUmLength>;
using YozImage = RecordImage<yoz::kLength>;

using i32 = std::int32_t;

}  // namespace vantor
