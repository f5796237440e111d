// The race card's user-mark column: the mark of the shown set in a large
// glyph and, under it, a marker when the user keeps a note on the horse.

#include "painting/card_columns.h"
#include "text/sjis_literal.h"

namespace vantor::card {

draw::Ops userMarkCell(const TRaceRec& race, int runner, const CellBox& box, bool chosen) {
    static const SjisString noted = sjis("メモ");
    const auto j = static_cast<std::size_t>(runner);
    draw::CellCanvas c = cardCanvas(box);
    c.fill(chosen ? kChosenFill : draw::kWhite);
    c.setPoints(20);
    c.setBold(true);
    c.setColour(chosen ? draw::kWhite : draw::kRed);
    const SjisView mark = race.UserMark[j];
    c.textOut((box.width - c.widthOf(mark)) / 2, box.y0() + 8, mark);
    if (race.HorseNoted[j]) {
        c.setPoints(8);
        c.setBold(false);
        c.setColour(chosen ? draw::kWhite : draw::kBlue);
        c.textOut((box.width - c.widthOf(noted)) / 2, box.height - 14, noted);
    }
    c.bottomLine();
    return c.take();
}

}  // namespace vantor::card
