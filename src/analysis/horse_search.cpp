#include "analysis/horse_search.h"

#include "codes/racing_format.h"
#include "codes/racing_texts.h"
#include "text/encoding.h"

namespace vantor {

HorseSearchResult horseSearch(const RaceDay& day, SjisView key) {
    static const SjisString item = utf8ToCp932("馬名頭文字");
    HorseSearchResult result{item, SjisString(key), {}, {}};
    if (key.empty()) return result;
    for (std::size_t r = 0; r < day.RaceTbl.size(); ++r) {
        const TRaceRec& race = day.RaceTbl[r];
        if (race.RacePresent == 0) continue;
        const auto runners = static_cast<std::size_t>(runnerSlotsOf(race.TorokuTosu));
        for (std::size_t j = 0; j < runners; ++j) {
            if (race.Bamei[j].view().substr(0, 2) != key) continue;
            result.rows.push_back({raceLabel(race.RaceKey), race.Wakuban[j].str(), ZeroBlank(race.Umaban[j]),
                                   race.Bamei[j].str(), race.KisyuName[j].str(), race.ChokName[j].str(),
                                   finishListText(race.KekkaChakujun[j]), popularityListText(race.KekkaNinki[j]),
                                   winOddsListText(race.KekkaOdds[j])});
            result.runners.push_back({static_cast<int>(r), static_cast<int>(j)});
        }
    }
    return result;
}

}  // namespace vantor
