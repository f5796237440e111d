// The race card's horse column: pedigree, profile, name, owner and breeder;
// with the day's live state, right of the name, a scratch or exclusion and
// its reason in red, or the real win odds and popularity in blue.

#include "analysis/runner_texts.h"
#include "painting/card_columns.h"

namespace vantor::card {

draw::Ops horseCell(const TRaceRec& race, int runner, const CellBox& box) {
    draw::CellCanvas c = cardCanvas(box);
    c.fill(draw::kWhite);
    c.setPoints(8);
    int y = box.y0();
    c.textOut(box.x0(), y, cleanName(race.Ketto1Name[runner]));
    c.textOut(box.width - 60, y, profileText(race, runner));
    y += c.lastHeight() + 2;
    c.textOut(box.x0(), y, originText(race, runner));
    y += c.lastHeight();
    c.setPoints(11);
    c.setBold(true);
    c.textOut(box.x0(), y, cleanName(race.Bamei[runner]));
    const int nameY = y;
    y += c.lastHeight();
    c.setPoints(8);
    c.setBold(false);
    if (!race.LiveStatus[runner].empty() || !race.LiveWinOdds[runner].empty()) {
        const bool out = !race.LiveStatus[runner].empty();
        c.setColour(out ? draw::kRed : draw::kBlue);
        c.textOut(box.width - 100, nameY + 2,
                  out ? race.LiveStatus[runner].str() + " " + race.LiveStatusReason[runner].str()
                      : race.LiveWinOdds[runner].str());
        c.setColour(draw::kBlack);
    }
    c.textOut(box.x0(), y, cleanName(race.Ketto2Name[runner]));
    c.textOut(box.width - 100, y, cardShortName(race.BanusiName[runner], 16));
    y += c.lastHeight();
    c.textOut(box.x0(), y, cleanName(race.Ketto3Name[runner]));
    c.textOut(box.width - 100, y, cardShortName(race.BreederName[runner], 16));
    c.bottomLine();
    return c.take();
}

}  // namespace vantor::card
