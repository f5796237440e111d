#pragma once
// The odds records of a race, in the layouts the real-time service and the
// stored data share: O1 (win, place, bracket quinella) and O2 (quinella),
// written from an odds sheet; and the header of the kinds written without
// their entries (O3-O6, vote counts).

#include <array>
#include <string_view>

#include "demo/odds_book.h"
#include "demo/records.h"
#include "demo/world.h"
#include "record_layouts/jvdata_live_structure.h"

namespace vantor::demo {

// Odds in tenths. kNoRunner leaves an entry blank; kUndecided writes the
// marker of a bet cancelled before sale ("----", popularity "--"), as for
// a scratched runner.
struct RunnerOdds {
    int win = kNoRunner, winNinki = 0;
    int placeLow = 0, placeHigh = 0, placeNinki = 0;
};

struct PairOdds {
    int odds = kNoRunner;
    int ninki = 0;
};

struct OddsSheet {
    std::array<RunnerOdds, kOddsHorses> runners{};  // by the race's runs, in their order
    std::array<PairOdds, kBracketPairs> bracket{};  // 1-1, 1-2, ..., 8-8
    std::array<PairOdds, kHorsePairs> quinella{};   // 1-2, 1-3, ..., 17-18
};

struct OddsStamp {
    RecordStamp record;
    SjisView announced;      // MMDDhhmm; "00000000" on final odds
    long long winVotes = 0;  // place and quinella votes are half as many again, bracket half as many
};

// The race's header, entries and starters in a layout of the odds kinds.
jvdata::RecordBuilder oddsRecord(const jvdata::RecordLayout& layout, const Race& race, const OddsStamp& stamp);

SjisString winPlaceBracketRecord(const World& world, const Race& race, const OddsSheet& sheet, const OddsStamp& stamp);
SjisString quinellaRecord(const Race& race, const OddsSheet& sheet, const OddsStamp& stamp);

// The final odds of a race that was run: the results' win odds and
// popularity, and place, bracket quinella and quinella odds that agree with
// the payouts (a winning entry's odds are its payout / 10, the place
// payout within the place odds' range).
OddsSheet finalOddsSheet(const World& world, const Race& race);

}  // namespace vantor::demo
