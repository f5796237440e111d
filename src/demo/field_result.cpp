#include "demo/field_result.h"

#include <algorithm>
#include <cmath>

#include "demo/rng.h"

namespace vantor::demo {
namespace {

// A runner's performance is its strength plus Gumbel noise of this scale,
// so that the chances of every finishing order follow Harville's formulas,
// which price the payouts. The market reads the strengths a little blurred
// and a little flatter than they are: favourites are backed a shade less,
// outsiders a shade more than their chances, as on a real course.
constexpr double kLuck = 0.85;
constexpr double kMarketBlur = 0.3;
constexpr double kMarketSharpness = 0.9 / kLuck;
constexpr double kTakeout = 0.2;  // the win pool's deduction

double gumbel(Rng& rng) { return -std::log(-std::log(rng.unit() + 1e-300) + 1e-300); }

int winnerTime(const RaceShape& s, Rng& rng) {
    const double d = s.distance;
    double speed = 17.3 - 0.00055 * (d - 1000);  // metres a second on turf
    if (s.surface == Surface::dirt) speed -= 0.75;
    if (s.surface == Surface::jump) speed = 14.2 - 0.0004 * (d - 3000);
    constexpr double kTurfGoing[] = {0, 0.006, 0.014, 0.026};
    constexpr double kDirtGoing[] = {0, -0.003, -0.006, -0.004};
    constexpr double kClass[] = {0.010, 0.010, 0.010, 0.005, 0.002, 0, -0.005};
    const double going = (s.surface == Surface::dirt ? kDirtGoing : kTurfGoing)[s.going - 1];
    const double seconds = d / speed * (1 + going + kClass[static_cast<int>(s.cls)] + rng.normal() * 0.003);
    return static_cast<int>(std::lround(seconds * 10));
}

int cornerCount(const RaceShape& s) {
    if (s.trackCD == 10 || s.trackCD == 29) return 0;
    return s.surface == Surface::jump || s.distance > 1600 ? 4 : 2;
}

void setOdds(std::span<FieldRunner> field, Rng& rng) {
    double total = 0;
    for (FieldRunner& r : field) {
        if (r.scratched) continue;
        r.winProb = std::exp(kMarketSharpness * (r.strength + rng.normal() * kMarketBlur));
        total += r.winProb;
    }
    std::array<std::uint8_t, kMaxField> byOdds{};
    int n = 0;
    for (std::size_t i = 0; i < field.size(); ++i) {
        FieldRunner& r = field[i];
        if (r.scratched) continue;
        r.winProb /= total;
        r.odds = std::clamp(static_cast<int>((1 - kTakeout) * 10 / r.winProb), 10, 9999);
        byOdds[static_cast<std::size_t>(n++)] = static_cast<std::uint8_t>(i);
    }
    std::sort(byOdds.begin(), byOdds.begin() + n, [&](std::uint8_t a, std::uint8_t b) {
        if (field[a].odds != field[b].odds) return field[a].odds < field[b].odds;
        if (field[a].winProb != field[b].winProb) return field[a].winProb > field[b].winProb;
        return a < b;
    });
    for (int k = 0; k < n; ++k) field[byOdds[static_cast<std::size_t>(k)]].ninki = static_cast<std::uint8_t>(k + 1);
}

// Positions at the corners run from early speed at the first corner to
// the finishing order at the last.
void setCorners(std::span<FieldRunner> field, const FieldSummary& sum, int corners, Rng& rng) {
    const int n = sum.finishers;
    std::array<double, kMaxField> early{}, score{};
    std::array<std::uint8_t, kMaxField> byEarly{}, ranked{};
    for (int k = 0; k < n; ++k) {
        const std::uint8_t i = sum.order[static_cast<std::size_t>(k)];
        early[i] = field[i].early + rng.normal() * 0.6;
        byEarly[static_cast<std::size_t>(k)] = i;
    }
    std::sort(byEarly.begin(), byEarly.begin() + n,
              [&](std::uint8_t a, std::uint8_t b) { return early[a] > early[b]; });
    std::array<double, kMaxField> earlyRank{}, finalRank{};
    for (int k = 0; k < n; ++k) {
        const double norm = n > 1 ? static_cast<double>(k) / (n - 1) : 0;
        earlyRank[byEarly[static_cast<std::size_t>(k)]] = norm;
        finalRank[sum.order[static_cast<std::size_t>(k)]] = norm;
    }
    for (int j = 0; j < corners; ++j) {
        const double w = static_cast<double>(j + 1) / (corners + 1);
        for (int k = 0; k < n; ++k) {
            const std::uint8_t i = sum.order[static_cast<std::size_t>(k)];
            score[i] = (1 - w) * earlyRank[i] + w * finalRank[i] + rng.normal() * 0.08;
            ranked[static_cast<std::size_t>(k)] = i;
        }
        std::sort(ranked.begin(), ranked.begin() + n,
                  [&](std::uint8_t a, std::uint8_t b) { return score[a] < score[b]; });
        for (int k = 0; k < n; ++k)
            field[ranked[static_cast<std::size_t>(k)]].corners[static_cast<std::size_t>(4 - corners + j)] =
                static_cast<std::uint8_t>(k + 1);
    }
    // Running style from where the horse was early on.
    for (int k = 0; k < n; ++k) {
        const std::uint8_t i = sum.order[static_cast<std::size_t>(k)];
        const int place = corners > 0 ? field[i].corners[static_cast<std::size_t>(4 - corners)]
                                      : static_cast<int>(std::lround(earlyRank[i] * (n - 1))) + 1;
        field[i].style = static_cast<std::uint8_t>(place == 1 ? 1 : place * 3 <= n ? 2 : place * 3 <= 2 * n ? 3 : 4);
    }
}

void setLastFurlongs(std::span<FieldRunner> field, FieldSummary& sum, const RaceShape& s, Rng& rng) {
    int base = 345 + (s.going - 1) * 8;
    if (s.surface == Surface::dirt) base = 375 - (s.going - 1) * 3;
    if (s.surface == Surface::jump) base = 395 + (s.going - 1) * 8;
    const int winnerLast = base + static_cast<int>(std::lround(rng.normal() * 6));
    for (int k = 0; k < sum.finishers; ++k) {
        FieldRunner& r = field[sum.order[static_cast<std::size_t>(k)]];
        const int gained = r.corners[3] == 0 ? 0 : r.corners[3] - r.position;
        const double l3 = winnerLast + (r.time - sum.winnerTime) * 0.5 - gained * 1.2 + rng.normal() * 3;
        r.last3F = std::clamp(static_cast<int>(std::lround(l3)), 300, 520);
    }
    sum.last3F = winnerLast;
    if (s.surface != Surface::jump)
        sum.first3F = (s.distance <= 1400 ? 340 : 355) + (s.surface == Surface::dirt ? 10 : 0) +
                      static_cast<int>(std::lround(rng.normal() * 6));
}

}  // namespace

FieldSummary runField(std::span<FieldRunner> field, const RaceShape& shape, bool allowDeadHeat, Rng& rng) {
    FieldSummary sum;
    setOdds(field, rng);
    for (FieldRunner& r : field) sum.starters += !r.scratched;
    const double stopChance = shape.surface == Surface::jump ? 0.03 : 0.002;
    int stopped = 0;
    std::array<double, kMaxField> perf{};
    for (std::size_t i = 0; i < field.size(); ++i) {
        FieldRunner& r = field[i];
        if (r.scratched) continue;
        r.stopped = sum.starters - stopped > 4 && rng.chance(stopChance);
        stopped += r.stopped;
        if (r.stopped) continue;
        perf[i] = r.strength + kLuck * gumbel(rng);
        sum.order[static_cast<std::size_t>(sum.finishers++)] = static_cast<std::uint8_t>(i);
    }
    std::sort(sum.order.begin(), sum.order.begin() + sum.finishers,
              [&](std::uint8_t a, std::uint8_t b) { return perf[a] != perf[b] ? perf[a] > perf[b] : a < b; });

    // A dead heat joins the horse at place p and the next one.
    int tiedAt = 0;
    if (allowDeadHeat && sum.finishers >= 5 && rng.chance(0.01))
        tiedAt = 1 + static_cast<int>(rng.weighted(std::span<const int>(std::array{30, 35, 35})));

    sum.winnerTime = winnerTime(shape, rng);
    int time = sum.winnerTime;
    for (int k = 0; k < sum.finishers; ++k) {
        FieldRunner& r = field[sum.order[static_cast<std::size_t>(k)]];
        const bool tiedWithPrevious = tiedAt != 0 && k == tiedAt;
        if (k > 0 && !tiedWithPrevious) {
            const double diff =
                perf[sum.order[static_cast<std::size_t>(k - 1)]] - perf[sum.order[static_cast<std::size_t>(k)]];
            time += std::clamp(static_cast<int>(std::lround(diff * 6 + rng.unit() * 1.2 - 0.3)), 0, 40);
        }
        r.time = time;
        r.position = static_cast<std::uint8_t>(tiedWithPrevious ? k : k + 1);
        r.deadHeat = tiedAt != 0 && (k == tiedAt || k == tiedAt - 1);
    }
    setCorners(field, sum, cornerCount(shape), rng);
    setLastFurlongs(field, sum, shape, rng);
    return sum;
}

}  // namespace vantor::demo
