#pragma once
// The texts only the printed pages show: the race header's date line and
// results, the prize table and the trainer page's title, and the six lines
// and finishing position of a previous run as the page prints them. Texts
// the screen card shows too come from the shared racing texts.

#include <array>

#include "raceday/race_day.h"

namespace vantor::print {

// The race number of a race key as a plain number.
int raceNumberOf(SjisView raceKey);
// Win entry e (1-3) of the payouts: label + circled horse number +
// "( 3人気)" + "【配当】    540円".
SjisString winResultText(const TRaceRec& race, int entry, SjisView label);
// The printed name of frame colour 1 to 8: "白", "黒", "赤", "青", "黄",
// "緑", "橙", "桃"; empty for any other number.
SjisString frameColourName(int frame);
// A prize table line: circled place + "%8d".
SjisString prizeLine(int place, i32 thousands);
// The trainer page's title from the day's race key: "2024年 5月26日　調教師別ﾘｽﾄ".
SjisString trainerListTitle(SjisView raceKey);

// A previous run as a column of the page: six lines and the finishing position.
struct PrintedRun {
    std::array<SjisString, 6> lines;
    SjisString finish;
};
// Run `run` (0 the race itself) of runner slot `runner`; with oddsLine the
// sixth line holds the run's final win odds instead of the winner and margin.
PrintedRun printedRun(const TRaceRec& race, int runner, int run, bool oddsLine);
// A run is printed when its race key names a racecourse.
bool hasPrintedRun(const TRaceRec& race, int runner, int run);

}  // namespace vantor::print
