// The header row of the race card: what each column's lines hold.

#include "painting/card_columns.h"
#include "text/sjis_literal.h"

namespace vantor::card {
namespace {

// Two captions one under the other, 10 pixels apart: "枠"/"番", "馬"/"番".
draw::Ops stackedCaption(const CellBox& box, const SjisString& top, const SjisString& bottom) {
    draw::CellCanvas c = cardCanvas(box);
    c.fill(kSilver);
    c.setPoints(11);
    c.textOut(box.x0(), box.y0(), top);
    c.textOut(box.x0(), box.y0() + c.lastHeight() + 10, bottom);
    return c.take();
}

draw::Ops horseCaptions(const CellBox& box) {
    static const SjisString sire = sjis("父"), profile = sjis("性齢毛色"), origin = sjis("馬記号  産地　　生年月日"),
                            name = sjis("馬名"), dam = sjis("母"), owner = sjis("馬主"), damSire = sjis("母父"),
                            breeder = sjis("生産者");
    draw::CellCanvas c = cardCanvas(box);
    c.fill(kSilver);
    c.setPoints(8);
    int y = box.y0();
    c.textOut(box.x0(), y, sire);
    c.textOut(box.width - 50, y, profile);
    y += c.lastHeight() + 2;
    c.textOut(box.x0(), y, origin);
    y += c.lastHeight();
    c.setPoints(11);
    c.setBold(true);
    c.textOut(box.x0(), y, name);
    y += c.lastHeight();
    c.setPoints(8);
    c.setBold(false);
    c.textOut(box.x0(), y, dam);
    c.textOut(box.width - 100, y, owner);
    y += c.lastHeight();
    c.textOut(box.x0(), y, damSire);
    c.textOut(box.width - 100, y, breeder);
    return c.take();
}

draw::Ops peopleCaptions(const CellBox& box) {
    static const SjisString trainer = sjis("調教師名"), jockey = sjis("騎手名"), weight = sjis("負担重量");
    draw::CellCanvas c = cardCanvas(box);
    c.fill(kSilver);
    c.setPoints(9);
    int y = box.y0();
    c.textOut(box.x0(), y, trainer);
    y += c.lastHeight() + 15;
    c.textOut(box.x0(), y, jockey);
    y += c.lastHeight() + 5;
    c.textOut(box.x0(), y, weight);
    return c.take();
}

// Six lines set one pixel tighter than their height, from the grid line on.
draw::Ops prizeCaptions(const CellBox& box) {
    static const SjisString lines[] = {sjis("取得賞金"),     sjis("総賞金"),       sjis("入着回数(芝)"),
                                       sjis("入着回数(ダ)"), sjis("入着回数(障)"), sjis("予想配当・順位")};
    draw::CellCanvas c = cardCanvas(box);
    c.fill(kSilver);
    c.setPoints(8);
    int y = box.gridLine;
    for (const SjisString& line : lines) {
        c.textOut(box.x0(), y, line);
        y += c.lastHeight() - 1;
    }
    return c.take();
}

}  // namespace

draw::Ops headerCell(int col, const CellBox& box) {
    static const SjisString frame = sjis("枠"), horse = sjis("馬"), number = sjis("番"), mark = sjis("印");
    switch (col) {
        case kBracketColumn:
            return stackedCaption(box, frame, number);
        case kNumberColumn:
            return stackedCaption(box, horse, number);
        case kUserMarkColumn:
            return stackedCaption(box, mark, SjisString());
        case kHorseColumn:
            return horseCaptions(box);
        case kPeopleColumn:
            return peopleCaptions(box);
        case kPrizeColumn:
            return prizeCaptions(box);
        default: {
            draw::CellCanvas c = cardCanvas(box);
            c.bottomLine();
            return c.take();
        }
    }
}

}  // namespace vantor::card
