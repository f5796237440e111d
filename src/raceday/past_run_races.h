#pragma once
// The race records of the earlier runs: a run at a JRA racecourse (codes
// 01-10) from the race file of its day in the Data folder, any other run
// from the outside race file of its date and racecourse in the SEIR
// folder. Runs 1-20 of every runner are looked up, and each gets its race
// image written: the race found, else a blank image with the run's key.

#include <cstdint>

#include "raceday/load_files.h"
#include "raceday/race_day.h"
#include "raceday/view_table.h"
#include "store/store_paths.h"

namespace vantor {

// One per load: each past race file is indexed once, the first time one
// of its races is needed, and runners of one past race share its record.
class PastRunRaces {
public:
    PastRunRaces(const StorePaths& paths, LoadFiles& files);

    // Writes the race images of runs 1-20 of every runner of race slot r.
    void read(RaceDay& day, int r);

private:
    static std::uint64_t raceKey(bool jra, std::uint64_t date, SjisView code, SjisView raceNumber);
    void index(SjisView bytes, bool jra, std::uint64_t date, SjisView fileCode);
    SjisView find(SjisView run);
    SjisView dayRaces(SjisView run, std::uint64_t date);
    SjisView outsideRaces(SjisView run, std::uint64_t date);

    const StorePaths& paths_;
    LoadFiles& files_;
    ViewTable races_;
};

}  // namespace vantor
