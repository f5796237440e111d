#pragma once
// Names of races: the condition name an ordinary race goes by
// ("３歳以上１勝クラス"), made-up names of special races ("紅葉ステークス")
// and the short forms of any race name.

#include <cstddef>

#include "demo/world.h"

namespace vantor::demo {

class Rng;

// "２歳新馬", "障害４歳以上オープン", ...
SjisString conditionName(AgeGroup age, RaceClass cls, bool jump);
// Three characters or fewer: "未勝利", "１勝", "障ＯＰ".
SjisString conditionShort(RaceClass cls, bool jump);
// A special race's name after the season or the racecourse's region.
SjisString specialRaceName(int course, int month, RaceClass cls, bool jump, char grade, Rng& rng);
// A name cut to at most maxBytes at a character boundary, "ステークス"
// shortened to "Ｓ" first.
SjisString shortForm(SjisView name, std::size_t maxBytes);

}  // namespace vantor::demo
