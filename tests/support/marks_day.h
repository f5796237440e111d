#pragma once
// A stored race day for the tests of the user's marks: 2024-05-26 at Tokyo,
// race 11 of three runners and race 12 of two, every runner a horse of its
// own, as the acquisition files them.

#include "store/record_filer.h"
#include "support/records.h"
#include "text/formatted.h"

namespace vantor::test {

inline const RaceId kMarksRace11{.race = 11}, kMarksRace12{.race = 12};
inline constexpr const char* kMarksRace11Key = "2024052605021211";
inline constexpr const char* kMarksRace12Key = "2024052605021212";
inline constexpr const char* kMarksDayName = "2024年05月26日";

// The horse id of horse number `horse` of race 11 or 12.
inline SjisString marksHorseId(int race, int horse) { return formatted("2020%d000%d", race, horse); }

inline SjisString marksRunner(const RaceId& id, int horse, const char* dataKind = "2") {
    return seBuilder(id, horse, marksHorseId(id.race, horse).c_str(), dataKind)
        .number(jvdata::se::Wakuban, horse)
        .text(jvdata::se::Bamei, utf8ToCp932("シルシホース") + formatted("%d", horse))
        .text(jvdata::se::SexCD, "1")
        .number(jvdata::se::Barei, 3)
        .take();
}

inline void fileMarksDay(const StorePaths& paths) {
    StoreBatch batch;
    RecordFiler filer(paths, batch);
    std::vector<SjisString> lines;
    const auto file = [&](SjisView record) { filer.fileAcquired(record, 20240101, lines); };
    for (const auto& [id, heads] : {std::pair{kMarksRace11, 3}, std::pair{kMarksRace12, 2}}) {
        file(raRecord(id, heads, "2"));
        for (int horse = 1; horse <= heads; ++horse) file(marksRunner(id, horse));
    }
    batch.flush();
}

}  // namespace vantor::test
