#pragma once
// The day's live state on the printed race card: in the header the time of
// the race's latest announcement ("速報 10:42 現在") and the weather and
// going; per runner a scratch or exclusion, the jockey a change replaced,
// today's body weight and the win odds (the new jockey and his weight take
// the card's place in page_table.h). A race with nothing announced prints none of it,
// so that its page is as without live data.

#include "analysis/race_card.h"
#include "painting/page_canvas.h"

namespace vantor::print {

// header: the race's header texts (race_card.h), which the page shows too.
void drawLiveHeader(draw::PageCanvas& c, const TRaceRec& race, const RaceHeaderTexts& header);
// Runner slot t at row offset v (as page_table.h places rows).
void drawLiveRunner(draw::PageCanvas& c, const TRaceRec& race, int t, int v);

}  // namespace vantor::print
