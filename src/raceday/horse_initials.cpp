#include "raceday/horse_initials.h"

#include "raceday/sorted_list.h"

namespace vantor {

void addHorseInitials(const TRaceRec& race, std::vector<SjisString>& initials) {
    const int heads = runnerSlotsOf(race.TorokuTosu);
    for (int j = 0; j < heads; ++j) {
        const SjisString initial = removeFullWidthBlanks(trimBlanks(race.Bamei[j].view().substr(0, 2)));
        if (!initial.empty()) insertSortedUnique(initials, initial);
    }
}

}  // namespace vantor
