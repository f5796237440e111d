#include "demo/combo_odds.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "text/formatted.h"

namespace vantor::demo {
namespace {

namespace o3 = jvdata::o3;
namespace o4 = jvdata::o4;
namespace o5 = jvdata::o5;
namespace o6 = jvdata::o6;

// What the pools pay back of a yen: quinella-place, exacta and trio 77.5 %
// and 75 %, the trifecta 72.5 %.
constexpr double kWideReturn = 0.775, kExactaReturn = 0.75, kTrioReturn = 0.75, kTrifectaReturn = 0.725;

struct Chances {
    int horses = 0;                           // entries 1..horses
    std::array<double, kOddsHorses + 1> p{};  // by horse number; 0 scratched
    std::array<bool, kOddsHorses + 1> out{};  // scratched

    // The chance that a, b, c finish in this order.
    double order(int a, int b, int c) const {
        const double pa = p[static_cast<std::size_t>(a)], pb = p[static_cast<std::size_t>(b)],
                     pc = p[static_cast<std::size_t>(c)];
        if (pa >= 1 || pa + pb >= 1) return 0;
        return pa * pb / (1 - pa) * pc / (1 - pa - pb);
    }
    double exacta(int a, int b) const {
        const double pa = p[static_cast<std::size_t>(a)];
        return pa >= 1 ? 0 : pa * p[static_cast<std::size_t>(b)] / (1 - pa);
    }
    double trio(int a, int b, int c) const {
        return order(a, b, c) + order(a, c, b) + order(b, a, c) + order(b, c, a) + order(c, a, b) + order(c, b, a);
    }
    // a and b both among the first three.
    double wide(int a, int b) const {
        double sum = exacta(a, b) + exacta(b, a);  // the first two
        for (int x = 1; x <= horses; ++x)
            if (x != a && x != b) sum += order(x, a, b) + order(x, b, a) + order(a, x, b) + order(b, x, a);
        return sum;
    }
    bool scratched(std::initializer_list<int> hs) const {
        return std::any_of(hs.begin(), hs.end(), [&](int h) { return out[static_cast<std::size_t>(h)]; });
    }
};

std::span<const Run> runsOf(const World& w, const Race& r) {
    return {w.runs.data() + r.firstRun, static_cast<std::size_t>(r.runCount)};
}

Chances chancesOf(const World& world, const Race& race, const OddsSheet& sheet) {
    Chances c;
    const std::span<const Run> runs = runsOf(world, race);
    double sum = 0;
    for (std::size_t i = 0; i < runs.size() && i < sheet.runners.size(); ++i) {
        const int h = runs[i].umaban;
        if (h < 1 || h > kOddsHorses) continue;
        c.horses = std::max(c.horses, h);
        const int win = sheet.runners[i].win;
        if (win > 0) {
            c.p[static_cast<std::size_t>(h)] = 10.0 / win;
            sum += 10.0 / win;
        } else {
            c.out[static_cast<std::size_t>(h)] = true;
        }
    }
    if (sum > 0)
        for (double& p : c.p) p /= sum;
    return c;
}

// One entry to write: its combination, odds in tenths (0 none), and for
// the quinella-place the highest odds.
struct Entry {
    int index = 0;  // 1-based place in the record
    SjisString kumi;
    bool cancelled = false;
    int odds = 0, high = 0, ninki = 0;
};

int tenths(double chance, double pays, int most) {
    return chance <= 0 ? most : std::clamp(static_cast<int>(std::lround(pays / chance * 10)), 10, most);
}

// Popularity 1.. by the odds, entry order among equals; cancelled entries none.
void rank(std::vector<Entry>& entries) {
    std::vector<Entry*> order;
    for (Entry& e : entries)
        if (!e.cancelled) order.push_back(&e);
    std::stable_sort(order.begin(), order.end(), [](const Entry* a, const Entry* b) { return a->odds < b->odds; });
    for (std::size_t k = 0; k < order.size(); ++k) order[k]->ninki = static_cast<int>(k) + 1;
}

struct Fields {
    jvdata::Field kumi, odds, high, ninki, votes;  // high and votes: none when len is 0
};

SjisString write(const jvdata::RecordLayout& layout, const Fields& f, const Race& race, const OddsStamp& stamp,
                 std::vector<Entry>& entries) {
    rank(entries);
    jvdata::RecordBuilder b = oddsRecord(layout, race, stamp);
    b.text(o3::HatubaiFlag, "7");
    for (const Entry& e : entries) {
        b.text(f.kumi, e.kumi, e.index);
        if (e.cancelled) {
            b.text(f.odds, SjisString(f.odds.len, '-'), e.index).text(f.ninki, SjisString(f.ninki.len, '-'), e.index);
            if (f.high.len > 0) b.text(f.high, SjisString(f.high.len, '-'), e.index);
            continue;
        }
        b.number(f.odds, e.odds, e.index).number(f.ninki, e.ninki, e.index);
        if (f.high.len > 0) b.number(f.high, e.high, e.index);
    }
    if (f.votes.len > 0) b.number(f.votes, stamp.winVotes * 3);
    return b.take();
}

}  // namespace

SjisString comboOddsRecords(const World& world, const Race& race, const OddsSheet& sheet, const OddsStamp& stamp) {
    const Chances c = chancesOf(world, race, sheet);
    const int n = c.horses;
    SjisString out;
    std::vector<Entry> entries;

    int i = 0;
    for (int a = 1; a <= kOddsHorses; ++a)
        for (int b = a + 1; b <= kOddsHorses; ++b) {
            ++i;
            if (b > n) continue;
            const int low = tenths(c.wide(a, b), kWideReturn, 99999);
            entries.push_back({i, formatted("%02d%02d", a, b), c.scratched({a, b}), low, std::min(99999, low * 7 / 5)});
        }
    out +=
        write(jvdata::kO3Layout, {o3::Kumi, o3::OddsLow, o3::OddsHigh, o3::Ninki, o3::HyoTotal}, race, stamp, entries);

    entries.clear();
    i = 0;
    for (int a = 1; a <= kOddsHorses; ++a)
        for (int b = 1; b <= kOddsHorses; ++b) {
            if (b == a) continue;
            ++i;
            if (a > n || b > n) continue;
            entries.push_back(
                {i, formatted("%02d%02d", a, b), c.scratched({a, b}), tenths(c.exacta(a, b), kExactaReturn, 999999)});
        }
    out += write(jvdata::kO4Layout, {o4::Kumi, o4::Odds, {}, o4::Ninki, o4::HyoTotal}, race, stamp, entries);

    entries.clear();
    i = 0;
    for (int a = 1; a <= kOddsHorses; ++a)
        for (int b = a + 1; b <= kOddsHorses; ++b)
            for (int x = b + 1; x <= kOddsHorses; ++x) {
                ++i;
                if (x > n) continue;
                entries.push_back({i, formatted("%02d%02d%02d", a, b, x), c.scratched({a, b, x}),
                                   tenths(c.trio(a, b, x), kTrioReturn, 999999)});
            }
    out += write(jvdata::kO5Layout, {o5::Kumi, o5::Odds, {}, o5::Ninki, o5::HyoTotal}, race, stamp, entries);

    entries.clear();
    i = 0;
    for (int a = 1; a <= kOddsHorses; ++a)
        for (int b = 1; b <= kOddsHorses; ++b)
            for (int x = 1; x <= kOddsHorses; ++x) {
                if (b == a || x == a || x == b) continue;
                ++i;
                if (a > n || b > n || x > n) continue;
                entries.push_back({i, formatted("%02d%02d%02d", a, b, x), c.scratched({a, b, x}),
                                   tenths(c.order(a, b, x), kTrifectaReturn, 9999999)});
            }
    out += write(jvdata::kO6Layout, {o6::Kumi, o6::Odds, {}, o6::Ninki, {}}, race, stamp, entries);
    return out;
}

}  // namespace vantor::demo
