#pragma once
// The entries of a race's quinella-place, exacta, trio and trifecta
// snapshots, read from the records the live state keeps (live_day.h).

#include <array>
#include <cstdint>

#include "raceday/live_day.h"

namespace vantor {

struct ComboOdds {
    // The combination in the record's order (exacta and trifecta: first,
    // second, third); 0 for no horse (pairs have no third, an empty entry none).
    std::array<std::uint8_t, 3> horses{};
    LiveNumber odds;      // the quinella-place's lowest
    LiveNumber oddsHigh;  // the quinella-place's highest; none for the others
    LiveNumber ninki;
};

// The number of entries a record of kind holds: 153, 306, 816, 4896.
int comboEntryCount(ComboKind kind);
// The horses a combination of kind names: 2 or 3.
int comboHorses(ComboKind kind);
// Entry i (1-based) of the snapshot; an empty entry when the snapshot holds
// no record or i is out of range.
ComboOdds comboEntry(const ComboSnapshot& combo, ComboKind kind, int i);

}  // namespace vantor
