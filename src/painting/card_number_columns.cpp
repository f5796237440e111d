// The race card's two narrow fixed columns: bracket and horse number.

#include "painting/bracket_colours.h"
#include "painting/card_columns.h"
#include "text/formatted.h"

namespace vantor::card {

draw::Ops bracketCell(const TRaceRec& race, int runner, const CellBox& box) {
    const int bracket = lenientInt(race.Wakuban[runner]);
    draw::CellCanvas c = cardCanvas(box);
    // A bracket outside 1-8 keeps the grid's own fill.
    if (const auto fill = draw::bracketColour(bracket)) c.fill(*fill);
    c.setPoints(11);
    c.setBold(true);
    c.setColour(draw::bracketDigitColour(bracket));
    c.textOut(box.gridLine + 5, box.y0(), formatted("%1d", bracket));
    c.bottomLine();
    return c.take();
}

draw::Ops numberCell(const TRaceRec& race, const TRaceMarkRec& marks, int runner, const CellBox& box,
                     const CardColours& colours) {
    draw::CellCanvas c = cardCanvas(box);
    c.fill(colours.infoBackground);
    c.setPoints(11);
    c.setBold(true);
    c.textOut(box.x0(), box.y0(), formatted("%2d", lenientInt(race.Umaban[runner])));
    // The order key's group letter; "z" means the runner has no key.
    const SjisView key = marks.SortKey[runner];
    const SjisView group = key.substr(0, 1);
    c.setColour(draw::kBlue);
    c.textOut(box.gridLine + 5, box.y0() + c.lastHeight() + 20, group == "z" ? " " : group);
    c.bottomLine();
    return c.take();
}

}  // namespace vantor::card
