// The default demo's jockeys, trainers and sires keep records a race
// analyst finds plausible: a few leading riders near one win in four, most
// between one in twenty and one in eight, favourites winning about a third
// of their races, and 100 yen on every start winning back well under 100.

#include "racing_figures.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace vantor;

namespace {

constexpr int kEnoughStarts = 300;  // over three years: a regular's record

constexpr int kEnoughForReturns = 1000;  // win returns of fewer starts swing too far

// Share of the win and place return rates, each counted, of the tallies with
// enough starts that lie in [low, high] percent.
double shareReturningWithin(const test::TallyBy& tallies, double low, double high) {
    int within = 0, all = 0;
    for (const auto& [code, t] : test::byStarts(tallies, kEnoughForReturns))
        for (const double rate : {t.winReturn(), t.placeReturn()}) {
            within += rate >= low && rate <= high;
            ++all;
        }
    return all ? static_cast<double>(within) / all : 0;
}

// Share of the tallies with enough starts whose win rate lies in [low, high]
// percent.
double shareWinningWithin(const test::TallyBy& tallies, double low, double high) {
    const auto regulars = test::byStarts(tallies, kEnoughStarts);
    const auto within = std::count_if(regulars.begin(), regulars.end(), [&](const auto& entry) {
        return entry.second.winRate() >= low && entry.second.winRate() <= high;
    });
    return regulars.empty() ? 0 : static_cast<double>(within) / static_cast<double>(regulars.size());
}

double bestWinRate(const test::TallyBy& tallies) {
    double best = 0;
    for (const auto& [code, t] : test::byStarts(tallies, kEnoughStarts)) best = std::max(best, t.winRate());
    return best;
}

double bestTopThreeRate(const test::TallyBy& tallies) {
    double best = 0;
    for (const auto& [code, t] : test::byStarts(tallies, kEnoughStarts)) best = std::max(best, t.topThreeRate());
    return best;
}

}  // namespace

TEST(RacingFigures, LookLikeRacing) {
    const test::RacingFigures f = test::racingFigures(test::sharedFeed(3));
    std::printf(
        "%s%s%s%s    favourites won %d of %d races (%.1f%%)\n", test::busiestTable("jockeys", f.jockeys, 10).c_str(),
        test::busiestTable("trainers", f.trainers, 10).c_str(), test::busiestTable("sires", f.sires, 10).c_str(),
        test::busiestTable("popularity", f.popularity, 18).c_str(), f.favouriteWins, f.races, f.favouriteWinRate());

    EXPECT_GE(f.races, 10000);
    EXPECT_GE(f.favouriteWinRate(), 28);
    EXPECT_LE(f.favouriteWinRate(), 38);
    // The market prices every popularity about alike: no band of it pays
    // back more than it takes in. A band's win return rests on its winners:
    // on fewer than 200 (the long shots' bands) it swings by ten points and
    // more either way, whatever the market.
    for (const auto& [ninki, t] : test::byStarts(f.popularity, 5000)) {
        if (t.wins < 200) continue;
        EXPECT_GE(t.winReturn(), 55) << ninki.bytes();
        EXPECT_LE(t.winReturn(), 95) << ninki.bytes();
        EXPECT_GE(t.placeReturn(), 55) << ninki.bytes();
        EXPECT_LE(t.placeReturn(), 95) << ninki.bytes();
    }

    struct Band {
        const char* who;
        const test::TallyBy& tallies;
        double bestLow, bestHigh, medianLow, medianHigh;
    };
    for (const Band& b : {Band{"jockeys", f.jockeys, 17, 28, 5, 12}, Band{"trainers", f.trainers, 12, 28, 5, 12},
                          Band{"sires", f.sires, 9, 25, 5, 12}}) {
        SCOPED_TRACE(b.who);
        ASSERT_GE(test::byStarts(b.tallies, kEnoughStarts).size(), 20u);
        EXPECT_GE(bestWinRate(b.tallies), b.bestLow);
        EXPECT_LE(bestWinRate(b.tallies), b.bestHigh);
        EXPECT_LE(bestTopThreeRate(b.tallies), 60);
        EXPECT_GE(test::medianWinRate(b.tallies, kEnoughStarts), b.medianLow);
        EXPECT_LE(test::medianWinRate(b.tallies, kEnoughStarts), b.medianHigh);
        ASSERT_GE(test::byStarts(b.tallies, kEnoughForReturns).size(), 10u);
        EXPECT_GE(shareReturningWithin(b.tallies, 55, 95), 0.75);
    }
    // Most regular riders are journeymen, neither leaders nor also-rans.
    std::printf("    jockeys winning 5-12%% of their rides: %.0f%%\n", 100 * shareWinningWithin(f.jockeys, 5, 12));
    EXPECT_GE(shareWinningWithin(f.jockeys, 5, 12), 0.6);
    // The busiest rider is among the leading ones, not a record of his own.
    const auto busiest = test::byStarts(f.jockeys).front().second;
    EXPECT_GE(busiest.winRate(), 12);
    EXPECT_LE(busiest.winRate(), 28);
}
