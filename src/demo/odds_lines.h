#pragma once
// The lines of the two odds services' files, one per race, each ending in
// CR LF, in the layouts of record_layouts/odds_line_layouts.h: JRDB base odds
// ("Oz" + yymmdd + ".txt") and KOL predicted odds ("kol_ods.kd2").

#include <string>

#include "demo/odds_book.h"

namespace vantor::demo {

SjisString jrdbOddsLine(const Race& race, const OddsBook& book);
SjisString kolOddsLine(const Race& race, const OddsBook& book);

}  // namespace vantor::demo
