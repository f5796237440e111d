#include "output/race_card_cell.h"

#include "output/card_columns.h"

namespace vantor::card {
namespace {

bool validRace(int race) { return race >= 0 && race < kMaxRaces; }

}  // namespace

draw::Ops raceCardColumn(const RaceDay& day, int race, int runner, int col, const CellBox& box, bool chosen) {
    if (!validRace(race) || col < kUserMarkColumn || col >= kCardColumns || runner < kHeaderRunner || runner >= kMaxRunners)
        return {};
    if (runner == kHeaderRunner) return headerCell(col, box);
    const TRaceRec& rec = day.RaceTbl[race];
    switch (col) {
        case kUserMarkColumn:
            return userMarkCell(rec, runner, box, chosen);
        case kHorseColumn:
            return horseCell(rec, runner, box);
        case kPeopleColumn:
            return peopleCell(rec, runner, box);
        case kPrizeColumn:
            return prizeCell(rec, runner, box);
        default:
            return runCell(rec, runner, col - kFirstRunColumn, box);
    }
}

draw::Ops StringGrid4DrawCell(const RaceDay& day, int race, int col, int runner, const CellBox& box,
                              const CardColours& colours, bool chosen) {
    if (!validRace(race) || col < 0 || col >= kCardColumns || runner < kHeaderRunner || runner >= kMaxRunners)
        return {};
    if (col >= kUserMarkColumn) return raceCardColumn(day, race, runner, col, box, chosen);
    if (runner == kHeaderRunner) return headerCell(col, box);
    const TRaceRec& rec = day.RaceTbl[race];
    return col == kBracketColumn ? bracketCell(rec, runner, box) : numberCell(rec, day.MarkTbl[race], runner, box, colours);
}

}  // namespace vantor::card
