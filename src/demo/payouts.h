#pragma once
// The payouts of a race: every bet type's winning combinations (two or
// more when horses dead-heat), what they pay and how popular they were,
// from the market's win probabilities (Harville's formulas) and the
// finishing order; and the final odds of every entry that follow from the
// same market, so that a winning entry's odds are its payout.

#include <array>
#include <cstdint>
#include <span>

#include "demo/odds_book.h"
#include "demo/world.h"

namespace vantor::demo {

struct PayoutRunner {
    std::uint8_t umaban = 0, waku = 0;
    double winProb = 0;  // 0 for a scratched horse
    int odds = 0;        // tenths, the win odds the runner record shows
    std::uint8_t ninki = 0;
    std::uint8_t position = 0;  // 0 when not placed
};

inline PayoutRunner payoutRunnerOf(const Run& run) {
    return {run.umaban, run.waku, run.winProb, run.odds, run.ninki, run.position};
}

Payout computePayout(std::span<const PayoutRunner> runners);

// Odds in tenths (0: no such entry) and popularity. A winning entry's odds
// are its payout / 10 and its popularity the payout's: the win odds and
// popularity are the runner's, place, bracket quinella and quinella odds
// are priced as their payouts are.
struct FinalOddsEntry {
    int odds = 0;
    int ninki = 0;
};

struct FinalOdds {
    std::array<FinalOddsEntry, kOddsHorses> win{}, place{};  // by runner, in the order given
    std::array<FinalOddsEntry, kBracketPairs> bracket{};     // 1-1, 1-2, ..., 8-8; from 9 starters on
    std::array<FinalOddsEntry, kHorsePairs> quinella{};      // by horse numbers 1-2, 1-3, ..., 17-18
};

// runners: at most kOddsHorses, horse numbers 1 to 18.
FinalOdds computeFinalOdds(std::span<const PayoutRunner> runners);

}  // namespace vantor::demo
