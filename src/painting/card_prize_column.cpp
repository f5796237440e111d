// The race card's prize column: earned and total prize money from the
// horse master, placings per surface, and the predicted odds.

#include "analysis/runner_texts.h"
#include "painting/card_columns.h"

namespace vantor::card {

draw::Ops prizeCell(const TRaceRec& race, int runner, const CellBox& box) {
    draw::CellCanvas c = cardCanvas(box);
    c.fill(draw::kWhite);
    c.setPoints(8);
    if (race.UmLoaded[runner] != 0) {
        int y = box.y0();
        for (const SjisString& line :
             {earnedPrizeText(race, runner), totalPrizeText(race, runner), placingsText(race.ShibaChaku[runner]),
              placingsText(race.DirtChaku[runner]), placingsText(race.SyogaiChaku[runner])}) {
            c.textOut(box.x0(), y, line);
            y += c.lastHeight();
        }
    }
    if (race.YozLoaded != 0) c.textOut(box.x0(), 57, predictedOddsRankText(race, runner));
    c.bottomLine();
    return c.take();
}

}  // namespace vantor::card
