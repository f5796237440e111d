#pragma once
// The odds pane's tables of a race from the day's live state: win and place
// per runner with each runner's share of the win market, the bracket
// quinella and quinella as matrices, and the quinella-place, exacta, trio
// and trifecta as lists by popularity. A header row (and for a matrix a
// header column) first; every cell a text as the pane shows it, markers in
// words ("発売前取消", "発売後取消", "票なし").

#include <vector>

#include "raceday/live_day.h"
#include "raceday/race_day.h"

namespace vantor {

struct OddsTable {
    int cols = 0;
    std::vector<SjisString> cells;  // row-major, the header row first

    int rows() const { return cols == 0 ? 0 : static_cast<int>(cells.size()) / cols; }
    const SjisString& cell(int col, int row) const {
        return cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols) + static_cast<std::size_t>(col)];
    }
};

// The text of a live odds value (tenths): "2.4", or the marker's words;
// nothing for no entry or a garbled field.
SjisString liveOddsText(const LiveNumber& odds);

enum class WinPlaceOrder { number, popularity };

// 枠, 馬番, 馬名, 単勝, 人気, 支持率, 複勝, 人気: a row per runner of the
// race, in horse-number order or by win popularity (runners without one
// last, in number order). The share is the runner's part of the sum of
// 1/odds over the runners with odds, in percent with one decimal.
inline constexpr int kWinPlaceCols = 8;
const std::vector<SjisString>& winPlaceHeaders();
OddsTable winPlaceTable(const TRaceRec& race, const LiveRace* live, WinPlaceOrder order);

// 9 by 9: brackets 1-8 across and down, the odds of bracket pair i-j
// (i <= j) at column j, row i; the other cells empty.
OddsTable bracketQuinellaMatrix(const LiveRace* live);
// (runners + 1) square, likewise for horse pairs i-j (i < j).
OddsTable quinellaMatrix(const TRaceRec& race, const LiveRace* live);

// 人気, 組番, オッズ: the first kComboListRows entries of the race's
// snapshot of kind, by popularity; entries without one (a cancelled sale,
// no votes) after them in combination order, their odds in words. Pairs
// read "1-2", ordered ones "1→2"; the quinella-place's odds "1.2-1.5".
inline constexpr int kComboListCols = 3;
inline constexpr int kComboListRows = 100;
const std::vector<SjisString>& comboListHeaders();
OddsTable comboOddsList(const TRaceRec& race, const LiveRace* live, ComboKind kind);
// The name of a kind as the pane's tab and copy title say it: "ワイド",
// "馬単", "3連複", "3連単".
SjisString comboKindName(ComboKind kind);

// "hh:mm" of the announce time of the odds shown; empty when none.
SjisString oddsAnnounceClock(const OddsSnapshot& snapshot);

}  // namespace vantor
