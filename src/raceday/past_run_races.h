#pragma once
// The race records of the earlier runs: a run at a JRA racecourse (codes
// 01-10) from the race file of its day in the Data folder, any other run
// from the outside race file of its date and racecourse in the SEIR
// folder. Runs 1-20 of every runner are looked up, up to the first run
// without a year; each gets the race found, else a blank image with the
// run's race key. Runs 21-25 get the image with their race key.

#include <cstdint>
#include <optional>

#include "raceday/load_files.h"
#include "raceday/race_day.h"
#include "raceday/view_table.h"
#include "store/store_paths.h"

namespace vantor {

// One per load: each past race file is indexed once, the first time one
// of its races is needed, and every race record goes into the day's pool
// of earlier-run races once, shared by all the runs of that race.
class PastRunRaces {
public:
    PastRunRaces(const StorePaths& paths, LoadFiles& files);

    // Gives race records to the earlier runs of every runner of race slot r.
    void read(RaceDay& day, int r);

private:
    using ImageId = EarlierRuns::ImageId;
    // Where a run's race record is kept, and its key there.
    struct Place {
        std::uint64_t date = 0;
        SjisView code;
        bool jra = false;
        std::uint64_t key = 0;
    };

    static std::uint64_t raceKey(bool jra, std::uint64_t date, SjisView code, SjisView raceNumber);
    static std::optional<Place> placeOf(SjisView run);
    void index(SjisView bytes, bool jra, std::uint64_t date, SjisView fileCode);
    // A race of an indexed file, and its image in the pool once a run needed it.
    struct PastRace {
        const char* record = nullptr;  // its whole RA record; none when the file lacks the race
        ImageId image = EarlierRuns::kBlankImage;
    };
    PastRace& find(const Place& place, SjisView run);
    SjisView dayRaces(SjisView run, std::uint64_t date);
    SjisView outsideRaces(SjisView run, std::uint64_t date);
    ImageId raceImage(SjisView run, EarlierRuns& runs);
    ImageId keyImage(SjisView run, EarlierRuns& runs);

    const StorePaths& paths_;
    LoadFiles& files_;
    KeyTable<PastRace> races_;   // races of the files indexed, by raceKey()
    KeyTable<ImageId> keyOnly_;  // pool images holding a race key only, by a hash of the key
};

}  // namespace vantor
