#include "demo/odds_records.h"

#include <algorithm>
#include <span>

#include "demo/payouts.h"
#include "text/formatted.h"

namespace vantor::demo {
namespace {

using jvdata::RecordBuilder;

std::span<const Run> runsOf(const World& w, const Race& r) {
    return {w.runs.data() + r.firstRun, static_cast<std::size_t>(r.runCount)};
}

// What the fields hold at most: win and place odds 999.9, bracket quinella
// 9999.9, quinella 99999.9.
constexpr int kMostWin = 9999, kMostBracket = 99999, kMostQuinella = 999999;

}  // namespace

RecordBuilder oddsRecord(const jvdata::RecordLayout& layout, const Race& race, const OddsStamp& stamp) {
    RecordBuilder b(layout);
    raceHeader(b, race, stamp.record);
    b.text(jvdata::o1::HappyoTime, stamp.announced);
    b.number(jvdata::o1::TorokuTosu, race.declared).number(jvdata::o1::SyussoTosu, race.starters);
    return b;
}

SjisString winPlaceBracketRecord(const World& world, const Race& r, const OddsSheet& sheet, const OddsStamp& stamp) {
    namespace o1 = jvdata::o1;
    const std::span<const Run> runs = runsOf(world, r);
    RecordBuilder b = oddsRecord(jvdata::kO1Layout, r, stamp);
    b.text(o1::TansyoFlag, "7").text(o1::FukusyoFlag, "7").text(o1::WakurenFlag, r.starters >= 9 ? "7"_sjis : "0"_sjis);
    b.text(o1::FukuChakuBaraiKey, r.starters >= 8 ? "3"_sjis : r.starters >= 5 ? "2"_sjis : "0"_sjis);
    for (std::size_t i = 0; i < runs.size() && i < sheet.runners.size(); ++i) {
        const RunnerOdds& odds = sheet.runners[i];
        const int n = static_cast<int>(i) + 1;
        b.number(o1::TanUmaban, runs[i].umaban, n).number(o1::FukuUmaban, runs[i].umaban, n);
        if (odds.win == kUndecided) {
            b.text(o1::TanOdds, "----", n).text(o1::TanNinki, "--", n);
            b.text(o1::FukuOddsLow, "----", n).text(o1::FukuOddsHigh, "----", n).text(o1::FukuNinki, "--", n);
            continue;
        }
        b.number(o1::TanOdds, odds.win, n).number(o1::TanNinki, odds.winNinki, n);
        b.number(o1::FukuOddsLow, odds.placeLow, n)
            .number(o1::FukuOddsHigh, odds.placeHigh, n)
            .number(o1::FukuNinki, odds.placeNinki, n);
    }
    int n = 1;
    for (int a = 1; a <= 8; ++a)
        for (int c = a; c <= 8; ++c, ++n) {
            const PairOdds& pair = sheet.bracket[static_cast<std::size_t>(n - 1)];
            if (pair.odds == kNoRunner) continue;
            b.text(o1::WakurenKumi, formatted("%d%d", a, c), n)
                .number(o1::WakurenOdds, pair.odds, n)
                .number(o1::WakurenNinki, pair.ninki, n);
        }
    b.number(o1::TanHyoTotal, stamp.winVotes).number(o1::FukuHyoTotal, stamp.winVotes * 3 / 2);
    b.number(o1::WakurenHyoTotal, r.starters >= 9 ? stamp.winVotes / 2 : 0);
    return b.take();
}

SjisString quinellaRecord(const Race& r, const OddsSheet& sheet, const OddsStamp& stamp) {
    namespace o2 = jvdata::o2;
    RecordBuilder b = oddsRecord(jvdata::kO2Layout, r, stamp);
    b.text(o2::UmarenFlag, "7");
    int n = 1;
    for (int a = 1; a <= kOddsHorses; ++a)
        for (int c = a + 1; c <= kOddsHorses; ++c, ++n) {
            const PairOdds& pair = sheet.quinella[static_cast<std::size_t>(n - 1)];
            if (pair.odds == kNoRunner) continue;
            b.text(o2::UmarenKumi, formatted("%02d%02d", a, c), n);
            if (pair.odds == kUndecided)
                b.text(o2::UmarenOdds, "------", n).text(o2::UmarenNinki, "---", n);
            else
                b.number(o2::UmarenOdds, pair.odds, n).number(o2::UmarenNinki, pair.ninki, n);
        }
    b.number(o2::UmarenHyoTotal, stamp.winVotes * 3 / 2);
    return b.take();
}

OddsSheet finalOddsSheet(const World& world, const Race& race) {
    const std::span<const Run> runs = runsOf(world, race);
    std::array<PayoutRunner, kOddsHorses> bets{};
    const std::size_t count = std::min(runs.size(), bets.size());
    for (std::size_t i = 0; i < count; ++i) bets[i] = payoutRunnerOf(runs[i]);
    const FinalOdds final = computeFinalOdds(std::span(bets.data(), count));

    OddsSheet sheet;
    std::array<bool, kOddsHorses + 1> declared{}, scratched{};  // by horse number
    for (std::size_t i = 0; i < count; ++i) {
        const Run& run = runs[i];
        if (run.umaban >= 1 && run.umaban <= kOddsHorses) {
            declared[run.umaban] = true;
            scratched[run.umaban] = run.status == RunStatus::scratched;
        }
        RunnerOdds& odds = sheet.runners[i];
        if (run.status == RunStatus::scratched) {
            odds.win = kUndecided;
            continue;
        }
        const FinalOddsEntry& place = final.place[i];
        odds.win = std::min(final.win[i].odds, kMostWin);
        odds.winNinki = final.win[i].ninki;
        // The place payout depends on the horses placed with it: the range holds it.
        odds.placeLow = std::min(std::max(10, place.odds * 4 / 5), kMostWin);
        odds.placeHigh = std::min(std::max(odds.placeLow, place.odds * 5 / 4), kMostWin);
        odds.placeNinki = place.ninki;
    }
    for (std::size_t t = 0; t < sheet.bracket.size(); ++t)
        if (final.bracket[t].odds > 0)
            sheet.bracket[t] = {std::min(final.bracket[t].odds, kMostBracket), final.bracket[t].ninki};
    for (int a = 1; a <= kOddsHorses; ++a)
        for (int c = a + 1; c <= kOddsHorses; ++c) {
            if (!declared[static_cast<std::size_t>(a)] || !declared[static_cast<std::size_t>(c)]) continue;
            PairOdds& pair = sheet.quinella[static_cast<std::size_t>(horsePairIndex(a, c))];
            const FinalOddsEntry& priced = final.quinella[static_cast<std::size_t>(horsePairIndex(a, c))];
            if (scratched[static_cast<std::size_t>(a)] || scratched[static_cast<std::size_t>(c)])
                pair.odds = kUndecided;
            else
                pair = {std::min(priced.odds, kMostQuinella), priced.ninki};
        }
    return sheet;
}

}  // namespace vantor::demo
