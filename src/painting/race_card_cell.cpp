#include "painting/race_card_cell.h"

#include "painting/card_columns.h"

namespace vantor::card {
namespace {

bool validRace(int race) { return race >= 0 && race < kMaxRaces; }

// A scratched or excluded runner's cells: grey where they are white.
constexpr draw::Rgb kOutGrey{200, 200, 200};

draw::Ops greyedIfOut(const TRaceRec& rec, int runner, draw::Ops ops) {
    if (runner < 0 || rec.LiveStatus[runner].empty()) return ops;
    for (draw::Op& op : ops) {
        if (auto* fill = std::get_if<draw::Fill>(&op); fill && fill->color == draw::kWhite) fill->color = kOutGrey;
        if (auto* text = std::get_if<draw::Text>(&op); text && text->background == draw::kWhite)
            text->background = kOutGrey;
    }
    return ops;
}

}  // namespace

draw::Ops raceCardColumn(const RaceDay& day, int race, int runner, int col, const CellBox& box, bool chosen) {
    if (!validRace(race) || col < kUserMarkColumn || col >= kCardColumns || runner < kHeaderRunner ||
        runner >= kMaxRunners)
        return {};
    if (runner == kHeaderRunner) return headerCell(col, box);
    const TRaceRec& rec = day.RaceTbl[race];
    switch (col) {
        case kUserMarkColumn:
            return greyedIfOut(rec, runner, userMarkCell(rec, runner, box, chosen));
        case kHorseColumn:
            return greyedIfOut(rec, runner, horseCell(rec, runner, box));
        case kPeopleColumn:
            return greyedIfOut(rec, runner, peopleCell(rec, runner, box));
        case kPrizeColumn:
            return greyedIfOut(rec, runner, prizeCell(rec, runner, box));
        default:
            return greyedIfOut(rec, runner, runCell(rec, runner, col - kFirstRunColumn, box));
    }
}

draw::Ops StringGrid4DrawCell(const RaceDay& day, int race, int runner, int col, const CellBox& box,
                              const CardColours& colours, bool chosen) {
    if (!validRace(race) || col < 0 || col >= kCardColumns || runner < kHeaderRunner || runner >= kMaxRunners)
        return {};
    if (col >= kUserMarkColumn) return raceCardColumn(day, race, runner, col, box, chosen);
    if (runner == kHeaderRunner) return headerCell(col, box);
    const TRaceRec& rec = day.RaceTbl[race];
    return col == kBracketColumn ? bracketCell(rec, runner, box)
                                 : numberCell(rec, day.MarkTbl[race], runner, box, colours);
}

}  // namespace vantor::card
