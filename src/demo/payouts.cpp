#include "demo/payouts.h"

#include <algorithm>
#include <array>
#include <vector>

namespace vantor::demo {
namespace {

constexpr double kBlend = 0.03;  // a little of every combination is always backed

// Payout and popularity of a winning combination of chance p among the
// `combos` combinations of its bet type, whose chances are in `all` (which
// may also hold zeros for impossible ones).
Combo priced(std::array<std::uint8_t, 3> nums, double p, std::span<const double> all, std::size_t combos,
             double takeout) {
    int ninki = 1;
    for (double q : all) ninki += q > p;
    const double blended = (1 - kBlend) * p + kBlend / static_cast<double>(combos);
    const double yen = 100 * (1 - takeout) / blended;
    return {nums, std::clamp(static_cast<int>(yen / 10) * 10, 100, 999999990), ninki};
}

// Harville's formulas over the runners' win probabilities: the chance of
// any order of the first three, tabulated once per race.
class Harville {
public:
    explicit Harville(std::span<const PayoutRunner> runners) : n_(runners.size()), ex_(n_ * n_), tri_(n_ * n_ * n_) {
        for (std::size_t a = 0; a < n_; ++a)
            for (std::size_t b = 0; b < n_; ++b) {
                const double pa = runners[a].winProb, pb = runners[b].winProb;
                if (a == b || pa == 0 || pb == 0) continue;
                ex_[a * n_ + b] = pa * pb / std::max(1e-12, 1 - pa);
                for (std::size_t c = 0; c < n_; ++c) {
                    const double pc = runners[c].winProb;
                    if (c == a || c == b || pc == 0) continue;
                    tri_[(a * n_ + b) * n_ + c] = ex_[a * n_ + b] * pc / std::max(1e-12, 1 - pa - pb);
                }
            }
    }

    // Every ordered pair and triple, zero where a horse repeats or did not start.
    std::span<const double> exactas() const { return ex_; }
    std::span<const double> trifectas() const { return tri_; }

    double exacta(std::size_t a, std::size_t b) const { return ex_[a * n_ + b]; }
    double trifecta(std::size_t a, std::size_t b, std::size_t c) const { return tri_[(a * n_ + b) * n_ + c]; }
    double quinella(std::size_t a, std::size_t b) const { return exacta(a, b) + exacta(b, a); }
    double trio(std::size_t a, std::size_t b, std::size_t c) const {
        return trifecta(a, b, c) + trifecta(a, c, b) + trifecta(b, a, c) + trifecta(b, c, a) + trifecta(c, a, b) +
               trifecta(c, b, a);
    }
    // Both among the first three.
    double wide(std::size_t a, std::size_t b) const {
        double sum = quinella(a, b);
        for (std::size_t c = 0; c < n_; ++c)
            sum += trifecta(a, c, b) + trifecta(c, a, b) + trifecta(b, c, a) + trifecta(c, b, a);
        return sum;
    }
    // Among the first `places` (2 or 3): first (exacta(a, b) summed over b),
    // second (exacta(b, a)) or third (trifecta(b, c, a)).
    double place(std::size_t a, int places) const {
        double sum = 0;
        for (std::size_t b = 0; b < n_; ++b) {
            sum += exacta(a, b) + exacta(b, a);
            if (places < 3) continue;
            for (std::size_t c = 0; c < n_; ++c) sum += trifecta(b, c, a);
        }
        return sum;
    }

private:
    std::size_t n_;
    std::vector<double> ex_, tri_;  // zero wherever a scratched horse or a repeat is involved
};

using Order = std::array<std::size_t, 4>;  // indexes of the first four in one reading of the result

// The readings of the result: the finishing order, and when two horses
// dead-heat, the same with those two swapped.
std::vector<Order> readings(std::span<const PayoutRunner> r) {
    std::vector<std::size_t> finishers;
    for (std::size_t i = 0; i < r.size(); ++i)
        if (r[i].position > 0) finishers.push_back(i);
    std::sort(finishers.begin(), finishers.end(), [&](std::size_t a, std::size_t b) {
        return r[a].position != r[b].position ? r[a].position < r[b].position : r[a].umaban < r[b].umaban;
    });
    Order base{};
    for (std::size_t k = 0; k < 4 && k < finishers.size(); ++k) base[k] = finishers[k];
    std::vector<Order> out{base};
    for (std::size_t k = 0; k + 1 < 4 && k + 1 < finishers.size(); ++k) {
        if (r[finishers[k]].position != r[finishers[k + 1]].position) continue;
        Order swapped = base;
        std::swap(swapped[k], swapped[k + 1]);
        out.push_back(swapped);
    }
    return out;
}

template <std::size_t N>
void addUnique(ComboList<N>& list, const Combo& c) {
    for (int i = 0; i < list.count; ++i)
        if (list.items[static_cast<std::size_t>(i)].nums == c.nums) return;
    list.add(c);
}

std::array<std::uint8_t, 3> sorted(std::array<std::uint8_t, 3> c, std::size_t n) {
    std::sort(c.begin(), c.begin() + static_cast<std::ptrdiff_t>(n));
    return c;
}

// The market of a race: who starts, how many places pay, and every entry's
// chance, which ranks an entry's popularity among those of its bet type.
struct Market {
    explicit Market(std::span<const PayoutRunner> r) : h(r) {
        for (std::size_t i = 0; i < r.size(); ++i)
            if (r[i].winProb > 0) live.push_back(i);
        starters = static_cast<int>(live.size());
        places = starters <= 7 ? 2 : 3;
        for (std::size_t a : live) {
            place.push_back(h.place(a, places));
            for (std::size_t b : live) {
                if (b <= a) continue;
                quinella.push_back(h.quinella(a, b));
                wide.push_back(h.wide(a, b));
                byBracket[std::min(r[a].waku, r[b].waku)][std::max(r[a].waku, r[b].waku)] += h.quinella(a, b);
                for (std::size_t c : live)
                    if (c > b) trio.push_back(h.trio(a, b, c));
            }
        }
        for (const auto& row : byBracket)
            for (double p : row)
                if (p > 0) bracket.push_back(p);
    }

    Combo placeCombo(std::uint8_t num, std::size_t a) const {
        return priced({num}, h.place(a, places), place, live.size(), 0.2);
    }
    Combo bracketCombo(std::uint8_t lo, std::uint8_t hi) const {
        return priced({lo, hi}, byBracket[lo][hi], bracket, bracket.size(), 0.225);
    }
    Combo quinellaCombo(std::array<std::uint8_t, 3> nums, std::size_t a, std::size_t b) const {
        return priced(nums, h.quinella(a, b), quinella, quinella.size(), 0.225);
    }

    Harville h;
    std::vector<std::size_t> live;
    int starters = 0, places = 2;
    std::vector<double> place, quinella, wide, trio, bracket;
    std::array<std::array<double, 9>, 9> byBracket{};
};

}  // namespace

Payout computePayout(std::span<const PayoutRunner> r) {
    Payout out;
    const Market m(r);
    const Harville& h = m.h;
    const std::size_t n = m.live.size();
    const auto num = [&](std::size_t i) { return r[i].umaban; };
    const auto pair = [&](std::size_t a, std::size_t b) { return sorted({num(a), num(b)}, 2); };
    for (const Order& o : readings(r)) {
        const std::size_t w = o[0], s = o[1], t = o[2];
        addUnique(out.win, Combo{{num(w)}, r[w].odds * 10, r[w].ninki});
        for (int k = 0; k < m.places; ++k) {
            const std::size_t a = o[static_cast<std::size_t>(k)];
            addUnique(out.place, m.placeCombo(num(a), a));
        }
        if (m.starters >= 9) {
            const std::uint8_t lo = std::min(r[w].waku, r[s].waku), hi = std::max(r[w].waku, r[s].waku);
            addUnique(out.bracket, m.bracketCombo(lo, hi));
        }
        addUnique(out.quinella, m.quinellaCombo(pair(w, s), w, s));
        addUnique(out.wide, priced(pair(w, s), h.wide(w, s), m.wide, m.wide.size(), 0.225));
        addUnique(out.wide, priced(pair(w, t), h.wide(w, t), m.wide, m.wide.size(), 0.225));
        addUnique(out.wide, priced(pair(s, t), h.wide(s, t), m.wide, m.wide.size(), 0.225));
        addUnique(out.exacta, priced({num(w), num(s)}, h.exacta(w, s), h.exactas(), n * (n - 1), 0.25));
        addUnique(out.trio, priced(sorted({num(w), num(s), num(t)}, 3), h.trio(w, s, t), m.trio, m.trio.size(), 0.25));
        addUnique(out.trifecta,
                  priced({num(w), num(s), num(t)}, h.trifecta(w, s, t), h.trifectas(), n * (n - 1) * (n - 2), 0.275));
    }
    std::sort(out.win.items.begin(), out.win.items.begin() + out.win.count,
              [](const Combo& a, const Combo& b) { return a.nums[0] < b.nums[0]; });
    return out;
}

FinalOdds computeFinalOdds(std::span<const PayoutRunner> r) {
    FinalOdds out;
    const Market m(r);
    const auto odds = [](const Combo& c) { return FinalOddsEntry{c.pay / 10, c.ninki}; };
    for (std::size_t a : m.live) {
        if (a >= out.win.size()) continue;
        out.win[a] = {r[a].odds, r[a].ninki};
        out.place[a] = odds(m.placeCombo(r[a].umaban, a));
    }
    if (m.starters >= 9)
        for (std::uint8_t lo = 1; lo <= 8; ++lo)
            for (std::uint8_t hi = lo; hi <= 8; ++hi)
                if (m.byBracket[lo][hi] > 0)
                    out.bracket[static_cast<std::size_t>(bracketPairIndex(lo, hi))] = odds(m.bracketCombo(lo, hi));
    for (std::size_t a : m.live)
        for (std::size_t b : m.live) {
            const int x = r[a].umaban, y = r[b].umaban;
            if (x >= y || x < 1 || y > kOddsHorses) continue;
            out.quinella[static_cast<std::size_t>(horsePairIndex(x, y))] =
                odds(m.quinellaCombo(sorted({r[a].umaban, r[b].umaban}, 2), a, b));
        }
    return out;
}

}  // namespace vantor::demo
