#pragma once
// The figures a race analyst reads off a feed's JRA results: each jockey's,
// trainer's and sire's starts, wins, top-three finishes and what 100 yen on
// every start won back at the win and place payouts, and how often the
// favourites won. Counted from the records alone, the way the record views
// count: a scratched or excluded runner is no start, a dead heat is a win
// (or place) for each and pays what the payout record pays.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "feed_index.h"

namespace vantor::test {

struct Tally {
    int starts = 0, wins = 0, topThree = 0;
    long long winPay = 0, placePay = 0;  // yen won back on 100 yen a start

    double winRate() const { return starts ? 100.0 * wins / starts : 0; }
    double topThreeRate() const { return starts ? 100.0 * topThree / starts : 0; }
    double winReturn() const { return starts ? winPay / static_cast<double>(starts) : 0; }
    double placeReturn() const { return starts ? placePay / static_cast<double>(starts) : 0; }
};

using TallyBy = std::map<SjisString, Tally>;  // by jockey, trainer or sire code

struct RacingFigures {
    TallyBy jockeys, trainers, sires;
    TallyBy popularity;                // by popularity "01", "02", ...
    int races = 0, favouriteWins = 0;  // races with a single favourite

    double favouriteWinRate() const { return races ? 100.0 * favouriteWins / races : 0; }
};

RacingFigures racingFigures(const FeedIndex& feed);

// The tallies with at least minStarts starts, most starts first.
std::vector<std::pair<SjisString, Tally>> byStarts(const TallyBy& tallies, int minStarts = 0);

// Median win rate of the tallies with at least minStarts starts.
double medianWinRate(const TallyBy& tallies, int minStarts);

// A table of the n busiest: code, starts, win and top-three rates, win and
// place return rates.
std::string busiestTable(const char* title, const TallyBy& tallies, std::size_t n);

}  // namespace vantor::test
