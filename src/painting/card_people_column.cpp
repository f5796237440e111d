// The race card's people column: trainer, jockey and carried weight; with
// the day's live state a jockey change (the new jockey in red and his
// carried weight, the old one small above him) and today's body weight.

#include "analysis/runner_texts.h"
#include "painting/card_columns.h"
#include "text/sjis_literal.h"

namespace vantor::card {
namespace {

constexpr draw::Rgb kChangeGrey{96, 96, 96};

}  // namespace

draw::Ops peopleCell(const TRaceRec& race, int runner, const CellBox& box) {
    draw::CellCanvas c = cardCanvas(box);
    c.fill(draw::kWhite);
    c.setPoints(9);
    int y = box.y0();
    c.textOut(box.x0(), y, race.ChokName[runner]);
    y += c.lastHeight() + 15;
    const bool changed = !race.LiveKisyuName[runner].empty();
    if (changed) {
        c.setPoints(7);
        c.setColour(kChangeGrey);
        c.textOut(box.x0(), y - 13, sjis("旧 ") + cardShortName(race.LiveKisyuBefore[runner], 12));
        c.setPoints(9);
        c.setColour(draw::kRed);
    }
    c.textOut(
        box.x0(), y,
        changed ? sjis("替 ") + cardShortName(race.LiveKisyuName[runner], 12) : SjisString(race.KisyuName[runner]));
    y += c.lastHeight() + 5;
    c.textOut(box.x0(), y,
              carriedWeightText(changed && !race.LiveFutan[runner].empty() ? race.LiveFutan[runner].view()
                                                                           : race.Futan[runner].view()));
    c.setColour(draw::kBlack);
    if (!race.LiveWeight[runner].empty()) {
        y += c.lastHeight();
        c.setPoints(8);
        c.textOut(box.x0(), y, race.LiveWeight[runner]);
    }
    c.bottomLine();
    return c.take();
}

}  // namespace vantor::card
