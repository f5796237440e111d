// The race card's people column: trainer, jockey and carried weight.

#include "output/card_columns.h"
#include "raceday/runner_texts.h"

namespace vantor::card {

draw::Ops peopleCell(const TRaceRec& race, int runner, const CellBox& box) {
    draw::CellCanvas c = cardCanvas(box);
    c.fill(draw::kWhite);
    c.setPoints(9);
    int y = box.y0();
    c.textOut(box.x0(), y, race.ChokName[runner]);
    y += c.lastHeight() + 15;
    c.textOut(box.x0(), y, race.KisyuName[runner]);
    y += c.lastHeight() + 5;
    c.textOut(box.x0(), y, carriedWeightText(race.Futan[runner]));
    c.bottomLine();
    return c.take();
}

}  // namespace vantor::card
