#pragma once
// What choosing a race puts on screen (DatListClick): the race header
// labels, the payout labels of the results sheet and the cells of the
// number-sign and card-check grids. All texts are Shift-JIS; the window and
// the command line only apply them.

#include <array>
#include <string>
#include <vector>

#include "raceday/race_day.h"

namespace vantor {

struct RaceHeaderTexts {
    SjisString grade, course, raceNumber, dateLine, raceName, weightType, raceClass, track, distance, startTime,
        headCount;
    // From the day's live state; empty when nothing was announced.
    SjisString weatherGoing;  // "晴 芝:良 ダ:稍重 10:15発表"
    SjisString oddsTime;      // "ｵｯｽﾞ 10:30 現在"
};

// The payout labels in their fixed order: win 1-3, place 1-5, bracket
// quinella 1-3, quinella 1-3, quinella-place 1-7; each entry result,
// popularity, payout.
inline constexpr int kPayoutEntries = 21;
using PayoutLabelTexts = std::array<std::array<SjisString, 3>, kPayoutEntries>;

// The number-sign grid (StringGrid1): bracket, horse number, the user's
// mark, the owner and trainer coincidences, then the runner's texts.
inline constexpr int kSignGridCols = 12;
inline constexpr int kSignUserMarkColumn = 2;

// The race card grid's (StringGrid4) columns, which the trainer grid
// shares; run column kFirstRunColumn + k shows run k (0 the race itself, 1
// to 5 the last runs).
namespace card {
enum CardColumn : int {
    kBracketColumn,
    kNumberColumn,
    kUserMarkColumn,
    kHorseColumn,
    kPeopleColumn,
    kPrizeColumn,
    kFirstRunColumn,
    kCardColumns = kFirstRunColumn + 6,
};
}  // namespace card

// The card-check grid's (StringGrid2) columns; week slot w is in column
// kCheckFirstWeekColumn + w - 1.
enum CheckGridColumn : int {
    kCheckBracketColumn,
    kCheckNumberColumn,
    kCheckUserMarkColumn,
    kCheckMarksColumn,
    kCheckHorseColumn,
    kCheckJockeyColumn,
    kCheckTrainerColumn,
    kCheckFirstWeekColumn,
    kCheckGridCols = kCheckFirstWeekColumn + kWeekSlots,
};

struct RaceCardTexts {
    int runners = 0;  // rows below the header row
    RaceHeaderTexts header;
    PayoutLabelTexts payouts;
    // One row per runner slot 0 .. runners-1.
    std::vector<std::array<SjisString, kSignGridCols>> signRows;
    std::vector<std::array<SjisString, kCheckGridCols>> checkRows;
    // Set when a runner has no bracket number: the race's data is not complete.
    SjisString incompleteMessage;
};

RaceCardTexts assembleRaceCard(const RaceDay& day, int race);

// Header label texts of a race slot.
RaceHeaderTexts raceHeaderTexts(const TRaceRec& rec);
// Payout label texts of a race slot.
PayoutLabelTexts payoutLabelTexts(const TRaceRec& rec);
// One card-check week cell: date, rest mark, interval, position.
SjisString weekSlotText(SjisView date, int interval, int position);

}  // namespace vantor
