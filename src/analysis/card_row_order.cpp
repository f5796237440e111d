#include "analysis/card_row_order.h"

#include <algorithm>

#include "text/formatted.h"

namespace vantor::card {

int sortKeyColumn(bool byNumberDown, bool byGroupDown) {
    return byNumberDown ? kNumberColumn : byGroupDown ? kHorseColumn : 0;
}

std::vector<RunnerSlot> raceCardRows(int race, int runners) {
    std::vector<RunnerSlot> rows;
    for (int j = 0; j < runners; ++j) rows.push_back({race, j});
    return rows;
}

RaceCardKeys raceCardKeys(const RaceDay& day, const RunnerSlot& runner) {
    const auto race = static_cast<std::size_t>(runner.race), slot = static_cast<std::size_t>(runner.runner);
    const TRaceRec& rec = day.RaceTbl[race];
    return {rec.Umaban[slot].str(), rec.UserMark[slot].str(), formatted("%2d", day.MarkTbl[race].SortRank[slot])};
}

void sortCardRows(const RaceDay& day, std::vector<RunnerSlot>& rows, int keyCol) {
    struct Keyed {
        RunnerSlot runner;
        RaceCardKeys keys;
    };
    std::vector<Keyed> keyed;
    for (const RunnerSlot& runner : rows) keyed.push_back({runner, raceCardKeys(day, runner)});
    const auto keyOf = [keyCol](const Keyed& row) {
        return keyCol == kNumberColumn || keyCol == kHorseColumn
                   ? SjisView(row.keys[static_cast<std::size_t>(keyCol - kNumberColumn)])
                   : SjisView();
    };
    std::stable_sort(keyed.begin(), keyed.end(), [&keyOf](const Keyed& a, const Keyed& b) {
        if (keyOf(a) != keyOf(b)) return keyOf(a) < keyOf(b);
        return a.keys[0] < b.keys[0];
    });
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = keyed[i].runner;
}

}  // namespace vantor::card
