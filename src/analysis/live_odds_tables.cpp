#include "analysis/live_odds_tables.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <utility>

#include "raceday/live_card.h"
#include "raceday/live_combos.h"
#include "text/formatted.h"
#include "text/sjis_literal.h"

namespace vantor {
namespace {

int runnersOf(const TRaceRec& race) { return runnerSlotsOf(race.TorokuTosu.view()); }

SjisString popularityText(const LiveNumber& ninki) {
    return ninki.hasValue() ? formatted("%d", ninki.value) : liveOddsText(ninki);
}

SjisString placeText(const LiveRunner& runner) {
    if (!runner.placeOddsLow.hasValue()) return liveOddsText(runner.placeOddsLow);
    return liveOddsText(runner.placeOddsLow) + "-" + liveOddsText(runner.placeOddsHigh);
}

OddsTable squareTable(int size) {
    OddsTable table;
    table.cols = size + 1;
    table.cells.resize(static_cast<std::size_t>(table.cols) * static_cast<std::size_t>(table.cols));
    for (int i = 1; i <= size; ++i) {
        table.cells[static_cast<std::size_t>(i)] = formatted("%d", i);
        table.cells[static_cast<std::size_t>(i * table.cols)] = formatted("%d", i);
    }
    return table;
}

}  // namespace

SjisString liveOddsText(const LiveNumber& odds) {
    switch (odds.mark) {
        case LiveMark::value:
            return formatted("%d.%d", odds.value / 10, odds.value % 10);
        case LiveMark::noVotes:
            return sjis("票なし");
        case LiveMark::cancelledBeforeSale:
            return sjis("発売前取消");
        case LiveMark::cancelledAfterSale:
            return sjis("発売後取消");
        default:
            return {};
    }
}

const std::vector<SjisString>& winPlaceHeaders() {
    static const std::vector<SjisString> headers{sjis("枠"),   sjis("馬番"),   sjis("馬名"), sjis("単勝"),
                                                 sjis("人気"), sjis("支持率"), sjis("複勝"), sjis("人気")};
    return headers;
}

OddsTable winPlaceTable(const TRaceRec& race, const LiveRace* live, WinPlaceOrder order) {
    OddsTable table;
    table.cols = kWinPlaceCols;
    table.cells = winPlaceHeaders();
    const int runners = runnersOf(race);
    std::vector<int> slots(static_cast<std::size_t>(runners));
    std::iota(slots.begin(), slots.end(), 0);
    const LiveRunner none{};
    const auto runnerOf = [&](int j) -> const LiveRunner& {
        return live ? live->runners[static_cast<std::size_t>(j)] : none;
    };
    if (order == WinPlaceOrder::popularity) {
        const auto rank = [&](int j) {
            const LiveNumber& n = runnerOf(j).winNinki;
            return n.hasValue() && n.value > 0 ? n.value : kMaxRunners + 1;
        };
        std::stable_sort(slots.begin(), slots.end(), [&](int a, int b) { return rank(a) < rank(b); });
    }
    double inverseSum = 0;
    for (int j : slots)
        if (runnerOf(j).winOdds.hasValue() && runnerOf(j).winOdds.value > 0)
            inverseSum += 10.0 / runnerOf(j).winOdds.value;
    for (int j : slots) {
        const LiveRunner& runner = runnerOf(j);
        const auto index = static_cast<std::size_t>(j);
        const bool priced = runner.winOdds.hasValue() && runner.winOdds.value > 0 && inverseSum > 0;
        for (SjisString text :
             {SjisString(trimBlanks(race.Wakuban[index].view())), SjisString(trimBlanks(race.Umaban[index].view())),
              SjisString(trimBlanks(race.Bamei[index].view())), liveOddsText(runner.winOdds),
              popularityText(runner.winNinki),
              priced ? formatted("%.1f%%", 1000.0 / runner.winOdds.value / inverseSum) : SjisString(),
              placeText(runner), popularityText(runner.placeNinki)})
            table.cells.push_back(std::move(text));
    }
    return table;
}

OddsTable bracketQuinellaMatrix(const LiveRace* live) {
    OddsTable table = squareTable(8);
    if (!live) return table;
    for (const PairOdds& pair : live->bracket)
        if (pair.first >= 1 && pair.first <= pair.second && pair.second <= 8)
            table.cells[static_cast<std::size_t>(pair.first * table.cols + pair.second)] = liveOddsText(pair.odds);
    return table;
}

OddsTable quinellaMatrix(const TRaceRec& race, const LiveRace* live) {
    const int runners = runnersOf(race);
    OddsTable table = squareTable(runners);
    if (!live) return table;
    for (const PairOdds& pair : live->quinellaPairs)
        if (pair.first >= 1 && pair.first < pair.second && pair.second <= runners)
            table.cells[static_cast<std::size_t>(pair.first * table.cols + pair.second)] = liveOddsText(pair.odds);
    return table;
}

SjisString comboKindName(ComboKind kind) {
    static const SjisString names[] = {sjis("ワイド"), sjis("馬単"), sjis("3連複"), sjis("3連単")};
    return names[static_cast<std::size_t>(kind)];
}

const std::vector<SjisString>& comboListHeaders() {
    static const std::vector<SjisString> headers{sjis("人気"), sjis("組番"), sjis("オッズ")};
    return headers;
}

OddsTable comboOddsList(const TRaceRec& race, const LiveRace* live, ComboKind kind) {
    OddsTable table;
    table.cols = kComboListCols;
    table.cells = comboListHeaders();
    if (!live) return table;
    const ComboSnapshot& combo = live->combos[static_cast<std::size_t>(kind)];
    const int runners = runnersOf(race);
    // The entries that name horses of the race, as (rank, entry): rank the
    // popularity, or after every popularity for an entry without one.
    std::vector<std::pair<int, int>> ranked;
    ranked.reserve(static_cast<std::size_t>(comboEntryCount(kind)));
    for (int i = 1; i <= comboEntryCount(kind); ++i) {
        const ComboOdds entry = comboEntry(combo, kind, i);
        const auto last = static_cast<std::size_t>(comboHorses(kind) - 1);
        if (entry.horses[0] == 0 || entry.horses[last] > runners) continue;
        const bool hasRank = entry.ninki.hasValue() && entry.ninki.value > 0;
        ranked.emplace_back(hasRank ? entry.ninki.value : std::numeric_limits<int>::max(), i);
    }
    const auto shown = std::min(ranked.size(), static_cast<std::size_t>(kComboListRows));
    std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(shown), ranked.end());
    const bool ordered = kind == ComboKind::exacta || kind == ComboKind::trifecta;
    const SjisString joint = ordered ? sjis("→") : SjisString("-");
    for (std::size_t n = 0; n < shown; ++n) {
        const ComboOdds entry = comboEntry(combo, kind, ranked[n].second);
        SjisString horses = formatted("%d", entry.horses[0]);
        for (int h = 1; h < comboHorses(kind); ++h)
            horses += joint + formatted("%d", entry.horses[static_cast<std::size_t>(h)]);
        SjisString odds = liveOddsText(entry.odds);
        if (kind == ComboKind::wide && entry.odds.hasValue()) odds += "-" + liveOddsText(entry.oddsHigh);
        for (SjisString text : {popularityText(entry.ninki), std::move(horses), std::move(odds)})
            table.cells.push_back(std::move(text));
    }
    return table;
}

SjisString oddsAnnounceClock(const OddsSnapshot& snapshot) {
    return snapshot.present ? liveClockText(snapshot.time) : SjisString();
}

}  // namespace vantor
