#include "racing_figures.h"

#include <algorithm>
#include <cstdio>

#include "record_layouts/jvdata_record.h"

namespace vantor::test {
namespace {

using namespace jvdata;

// The payout record's yen for horse number umaban among its n entries of
// field number / pay.
long long paid(SjisView hr, Field number, Field pay, int n, int umaban) {
    long long yen = 0;
    for (int i = 1; i <= n; ++i)
        if (inum(hr, number, i) == umaban) yen += inum(hr, pay, i);
    return yen;
}

bool started(SjisView se) {
    const SjisView abnormal = get(se, se::IJyoCD);
    return abnormal != "1" && abnormal != "2";
}

}  // namespace

RacingFigures racingFigures(const FeedIndex& feed) {
    RacingFigures f;
    for (const auto& [k, runners] : feed.runners) {
        const auto race = feed.races.find(k);
        const auto hr = feed.payouts.find(k);
        if (race == feed.races.end() || dataKind(race->second) != "7" || hr == feed.payouts.end()) continue;
        int favourites = 0;
        bool favouriteWon = false;
        for (SjisView se : runners) {
            if (!started(se)) continue;
            const int umaban = inum(se, se::Umaban), position = inum(se, se::KakuteiJyuni);
            if (inum(se, se::Ninki) == 1) {
                ++favourites;
                favouriteWon = position == 1;
            }
            Tally t;
            t.starts = 1;
            t.wins = position == 1;
            t.topThree = position >= 1 && position <= 3;
            t.winPay = paid(hr->second, hr::TanUmaban, hr::TanPay, 3, umaban);
            t.placePay = paid(hr->second, hr::FukuUmaban, hr::FukuPay, 5, umaban);
            const auto master = feed.master.find(SjisString(get(se, se::KettoNum)));
            const SjisString sire =
                master == feed.master.end() ? SjisString() : SjisString(get(master->second, um::HansyokuNum));
            for (Tally* into :
                 {&f.jockeys[SjisString(get(se, se::KisyuCode))], &f.trainers[SjisString(get(se, se::ChokyosiCode))],
                  &f.sires[sire], &f.popularity[SjisString(get(se, se::Ninki))]}) {
                into->starts += t.starts;
                into->wins += t.wins;
                into->topThree += t.topThree;
                into->winPay += t.winPay;
                into->placePay += t.placePay;
            }
        }
        if (favourites != 1) continue;
        ++f.races;
        f.favouriteWins += favouriteWon;
    }
    return f;
}

std::vector<std::pair<SjisString, Tally>> byStarts(const TallyBy& tallies, int minStarts) {
    std::vector<std::pair<SjisString, Tally>> out;
    for (const auto& [code, t] : tallies)
        if (t.starts >= minStarts) out.emplace_back(code, t);
    std::stable_sort(out.begin(), out.end(),
                     [](const auto& a, const auto& b) { return a.second.starts > b.second.starts; });
    return out;
}

double medianWinRate(const TallyBy& tallies, int minStarts) {
    std::vector<double> rates;
    for (const auto& [code, t] : byStarts(tallies, minStarts)) rates.push_back(t.winRate());
    if (rates.empty()) return 0;
    std::nth_element(rates.begin(), rates.begin() + static_cast<std::ptrdiff_t>(rates.size() / 2), rates.end());
    return rates[rates.size() / 2];
}

std::string busiestTable(const char* title, const TallyBy& tallies, std::size_t n) {
    std::string out = std::string(title) + "\n    code         starts   win%  top3%  win ret  place ret\n";
    const auto rows = byStarts(tallies);
    for (std::size_t i = 0; i < std::min(n, rows.size()); ++i) {
        const Tally& t = rows[i].second;
        char line[128];
        std::snprintf(line, sizeof line, "    %-12s %6d  %5.1f  %5.1f  %6.1f%%  %8.1f%%\n", rows[i].first.c_str(),
                      t.starts, t.winRate(), t.topThreeRate(), t.winReturn(), t.placeReturn());
        out += line;
    }
    return out;
}

}  // namespace vantor::test
