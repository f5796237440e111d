#include "raceday/payout_match.h"

#include <algorithm>

#include "raceday/load_files.h"
#include "record_layouts/jvdata_record.h"

namespace vantor {

void matchPayouts(SjisView hrBytes, RaceDay& day) {
    const std::size_t records = std::min(recordCount(hrBytes, jvdata::kHrLength), std::size_t{kMaxRaces});
    for (std::size_t n = 0; n < records; ++n) {
        const SjisView rec = recordAt(hrBytes, jvdata::kHrLength, n);
        const SjisString key = jvdata::payoutKey(rec);
        if (trimBlanks(key).empty()) continue;
        for (int r = 0; r < kMaxRaces; ++r) {
            if (jvdata::payoutKey(day.JvRaTbl[r].view()) != key) continue;
            day.JvHrTbl[r].assign(rec);
            day.RaceTbl[r].HrLoaded = 1;
            break;
        }
    }
}

}  // namespace vantor
