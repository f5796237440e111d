#include "raceday/same_connections.h"

namespace vantor {

void markSameConnections(const TRaceRec& race, TRaceMarkRec& marks) {
    const int heads = runnerSlotsOf(race.TorokuTosu);
    for (int j = 0; j < heads; ++j) {
        for (int l = j + 1; l < heads; ++l) {
            if (race.BanusiName[j] == race.BanusiName[l]) marks.SameBanusi[j] = marks.SameBanusi[l] = 1;
            if (race.ChokName[j] == race.ChokName[l]) marks.SameChok[j] = marks.SameChok[l] = 1;
        }
    }
}

}  // namespace vantor
