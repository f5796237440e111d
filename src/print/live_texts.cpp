#include "print/live_texts.h"

#include "analysis/runner_texts.h"
#include "codes/racing_texts.h"
#include "painting/fonts.h"
#include "text/sjis_literal.h"

namespace vantor::print {

void drawLiveHeader(draw::PageCanvas& c, const TRaceRec& race, const RaceHeaderTexts& header) {
    if (race.LiveAsOf.empty()) return;
    c.setColour(draw::kRed);
    c.setFont(kGothicFamily, 11, true);
    c.textOut(1250, 90, liveAsOfText(race.LiveAsOf));
    c.setColour(draw::kBlack);
    c.setFont(kGothicFamily, 9);
    c.textOut(1150, 135, header.weatherGoing);
}

void drawLiveRunner(draw::PageCanvas& c, const TRaceRec& race, int t, int v) {
    // Right of the name: the scratch in red, else the win odds in blue.
    const bool out = !race.LiveStatus[t].empty();
    if (out || !race.LiveWinOdds[t].empty()) {
        c.setColour(out ? draw::kRed : draw::kBlue);
        c.setFont(kGothicFamily, 6, out);
        c.textOut(505, v + 337,
                  out ? race.LiveStatus[t].str() + " " + race.LiveStatusReason[t].str() : race.LiveWinOdds[t].str());
    }
    // Below the jockey whom a change replaced (page_table.cpp prints the new one).
    if (!race.LiveKisyuName[t].empty()) {
        c.setColour(draw::kBlack);
        c.setFont(kPGothicFamily, 5);
        c.textOut(640, v + 330, sjis("旧 ") + card::cardShortName(race.LiveKisyuBefore[t], 12));
    }
    if (!race.LiveWeight[t].empty()) {
        c.setColour(draw::kBlack);
        c.setFont(kPGothicFamily, 6);
        c.textOut(640, v + 347, race.LiveWeight[t]);
    }
    c.setColour(draw::kBlack);
}

}  // namespace vantor::print
