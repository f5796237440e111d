// The odds pane of the race shown: the core's tables of the day's live
// state written into the pane's grids, and the chart pointed at the race.

#include <QLabel>

#include "analysis/live_odds_tables.h"
#include "codes/racing_texts.h"
#include "components/speed_button.h"
#include "components/string_grid.h"
#include "raceday/live_race_of.h"
#include "shell/main_form.h"
#include "shell/odds_chart_view.h"
#include "shell/sjis_items.h"
#include "text/sjis_literal.h"

namespace vantor {
namespace {

// Every cell of the table, its header row included: the matrices' headers
// follow the race's runners.
void fillTable(ui::TStringGrid& grid, const OddsTable& table) {
    grid.setColCount(table.cols);
    grid.setRowCount(std::max(2, table.rows()));
    for (int r = 0; r < table.rows(); ++r)
        for (int c = 0; c < table.cols; ++c) grid.setCell(c, r, table.cell(c, r));
    for (int c = 0; c < table.cols && table.rows() < 2; ++c) grid.setCell(c, 1, {});
}

// "ｵｯｽﾞ 10:30 現在" of a snapshot, or that none was announced.
SjisString oddsTimeText(const OddsSnapshot* snapshot) {
    const SjisString clock = snapshot ? oddsAnnounceClock(*snapshot) : SjisString();
    return clock.empty() ? sjis("ｵｯｽﾞ発表なし") : oddsAsOfText(clock);
}

}  // namespace

void TMainForm::showLiveOdds() {
    const TRaceRec& race = Day->RaceTbl[CurRace];
    const LiveRace* live = liveRaceOf(*Day, CurRace);
    fillTable(*WinPlaceGrid,
              winPlaceTable(race, live, WinNinkiBtn->isChecked() ? WinPlaceOrder::popularity : WinPlaceOrder::number));
    fillTable(*BracketGrid, bracketQuinellaMatrix(live));
    fillTable(*QuinellaGrid, quinellaMatrix(race, live));
    setSjisText(*OddsTimeLabel, oddsTimeText(live ? &live->winPlace : nullptr));
    for (int k = 0; k < kComboKinds; ++k) {
        const auto kind = static_cast<ComboKind>(k);
        const ComboSheet& combo = ComboSheets[static_cast<std::size_t>(k)];
        fillTable(*combo.grid, comboOddsList(race, live, kind));
        setSjisText(*combo.timeLabel,
                    oddsTimeText(live ? &live->combos[static_cast<std::size_t>(k)].snapshot : nullptr));
    }
    OddsChart->setRace(CurRace);
}

}  // namespace vantor
