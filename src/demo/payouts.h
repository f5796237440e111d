#pragma once
// The payouts of a race: every bet type's winning combinations (two or
// more when horses dead-heat), what they pay and how popular they were,
// from the market's win probabilities (Harville's formulas) and the
// finishing order.

#include <cstdint>
#include <span>

#include "demo/world.h"

namespace vantor::demo {

struct PayoutRunner {
    std::uint8_t umaban = 0, waku = 0;
    double winProb = 0;  // 0 for a scratched horse
    int odds = 0;        // tenths, the win odds the runner record shows
    std::uint8_t ninki = 0;
    std::uint8_t position = 0;  // 0 when not placed
};

Payout computePayout(std::span<const PayoutRunner> runners);

}  // namespace vantor::demo
