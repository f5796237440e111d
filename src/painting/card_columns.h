#pragma once
// The race card grid's cells, one function per kind of column. Each lays
// out one cell of one runner (slot of the race) or of the header row.

#include "painting/race_card_cell.h"

namespace vantor::card {

// Row 0: the column captions over silver, or for the run columns only a
// line under the caption the grid draws.
draw::Ops headerCell(int col, const CellBox& box);

// kBracketColumn: the bracket number on its bracket colour.
draw::Ops bracketCell(const TRaceRec& race, int runner, const CellBox& box);
// kNumberColumn: the horse number and, below it, the initial of its order key.
draw::Ops numberCell(const TRaceRec& race, const TRaceMarkRec& marks, int runner, const CellBox& box,
                     const CardColours& colours);
// kUserMarkColumn: the user's mark in a large glyph, a marker when the
// horse has a note; the chosen row's cell (where the keys put marks) in the
// highlight colours.
draw::Ops userMarkCell(const TRaceRec& race, int runner, const CellBox& box, bool chosen);
// kHorseColumn: sire, sex, age and coat; symbol, birthplace and birth date;
// the horse's name; dam and owner; dam's sire and breeder.
draw::Ops horseCell(const TRaceRec& race, int runner, const CellBox& box);
// kPeopleColumn: trainer, jockey and carried weight.
draw::Ops peopleCell(const TRaceRec& race, int runner, const CellBox& box);
// kPrizeColumn: earned and total prize money, placings per surface, predicted odds.
draw::Ops prizeCell(const TRaceRec& race, int runner, const CellBox& box);
// kFirstRunColumn + k: run k of the runner (0 the race itself, 1 to 5 its last runs).
draw::Ops runCell(const TRaceRec& race, int runner, int k, const CellBox& box);

}  // namespace vantor::card
