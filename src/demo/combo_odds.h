#pragma once
// The quinella-place (O3), exacta (O4), trio (O5) and trifecta (O6) odds of
// a race's announcement, made from its win odds: each runner's chance is
// its share of the win market, the chance of an order the product of the
// chances among those not yet placed, and the odds that chance's inverse
// less the pool's take, popularity by the odds. A scratched runner's
// entries carry the marker of a bet cancelled before sale.

#include "demo/odds_records.h"

namespace vantor::demo {

// The four records, each with its CR LF.
SjisString comboOddsRecords(const World& world, const Race& race, const OddsSheet& sheet, const OddsStamp& stamp);

}  // namespace vantor::demo
