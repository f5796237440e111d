#include "demo/odds_book.h"

#include <algorithm>
#include <cmath>

#include "demo/rng.h"

namespace vantor::demo {
namespace {

constexpr double kWinPayBack = 0.8;     // share of the win and place pools paid back
constexpr double kPairPayBack = 0.775;  // share of the pair pools
constexpr double kSpread = 0.12;        // spread of the forecast around the final odds (log scale)
constexpr double kMostLikely = 0.95;

int tenths(double odds, int most) { return static_cast<int>(std::clamp(std::lround(odds * 10), 10L, long{most})); }

}  // namespace

OddsBook predictOdds(const World& world, const Race& race, Rng& rng) {
    OddsBook book;
    book.runners = race.declared;
    std::array<double, kOddsHorses> chance{};  // of winning, by horse number - 1
    std::array<int, kOddsHorses> bracket{};
    double total = 0;
    for (int r = 0; r < race.runCount; ++r) {
        const Run& run = world.runs[static_cast<std::size_t>(race.firstRun + r)];
        const int i = run.umaban - 1;
        if (i < 0 || i >= kOddsHorses) continue;
        bracket[static_cast<std::size_t>(i)] = run.waku;
        int& win = book.win[static_cast<std::size_t>(i)];
        if (run.odds <= 0) {
            win = book.place[static_cast<std::size_t>(i)] = kUndecided;
            continue;
        }
        win = tenths(run.odds / 10.0 * std::exp(kSpread * rng.normal()), 9999);
        chance[static_cast<std::size_t>(i)] = 10.0 / win;
        total += chance[static_cast<std::size_t>(i)];
    }
    if (total <= 0) return book;

    const int places = race.declared >= 8 ? 3 : 2;
    for (std::size_t i = 0; i < chance.size(); ++i) {
        if (chance[i] <= 0) continue;
        chance[i] = std::min(chance[i] / total, kMostLikely);
        book.place[i] = tenths(kWinPayBack / std::min(places * chance[i], kMostLikely), 9999);
    }

    std::array<double, kBracketPairs> bracketChance{};
    std::array<bool, kBracketPairs> bracketUndecided{};
    int k = 0;
    for (std::size_t a = 0; a < kOddsHorses; ++a)
        for (std::size_t b = a + 1; b < kOddsHorses; ++b) {
            int& pair = book.quinella[static_cast<std::size_t>(k++)];
            if (book.win[a] == kNoRunner || book.win[b] == kNoRunner) continue;
            const auto t = static_cast<std::size_t>(
                bracketPairIndex(std::min(bracket[a], bracket[b]), std::max(bracket[a], bracket[b])));
            if (book.win[a] == kUndecided || book.win[b] == kUndecided) {
                pair = kUndecided;
                bracketUndecided[t] = true;
                continue;
            }
            const double p = chance[a] * chance[b] * (1 / (1 - chance[a]) + 1 / (1 - chance[b]));
            pair = tenths(kPairPayBack / p, 9999999);
            bracketChance[t] += p;
        }
    for (std::size_t t = 0; t < bracketChance.size(); ++t) {
        if (bracketChance[t] > 0)
            book.bracket[t] = tenths(kPairPayBack / bracketChance[t], 99999);
        else if (bracketUndecided[t])
            book.bracket[t] = kUndecided;
    }
    return book;
}

}  // namespace vantor::demo
