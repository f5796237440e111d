#pragma once
// The race card grid's cells, one function per kind of column. Each lays
// out one cell of one runner (slot of the race) or of the header row.

#include "output/card_style.h"
#include "raceday/race_day.h"

namespace vantor::card {

// Row 0: the column captions over silver, or for the race and run columns
// (5 to 10) only a line under the caption the grid draws.
draw::Ops headerCell(int col, const CellBox& box);

// Column 0: the bracket number on its bracket colour.
draw::Ops bracketCell(const TRaceRec& race, int runner, const CellBox& box);
// Column 1: the horse number and, below it, the initial of its order key.
draw::Ops numberCell(const TRaceRec& race, const TRaceMarkRec& marks, int runner, const CellBox& box,
                     const CardColours& colours);
// Column 2: sire, sex, age and coat; symbol, birthplace and birth date;
// the horse's name; dam and owner; dam's sire and breeder.
draw::Ops horseCell(const TRaceRec& race, int runner, const CellBox& box);
// Column 3: trainer, jockey and carried weight.
draw::Ops peopleCell(const TRaceRec& race, int runner, const CellBox& box);
// Column 4: earned and total prize money, placings per surface, predicted odds.
draw::Ops prizeCell(const TRaceRec& race, SjisView horseRecord, int runner, const CellBox& box);
// Columns 5 to 10: run k of the runner (0 the race itself, 1 to 5 its last runs).
draw::Ops runCell(const TRaceRec& race, int runner, int k, const CellBox& box);

}  // namespace vantor::card
