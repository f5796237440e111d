#pragma once
// The race records of the earlier runs: a run at a JRA racecourse (codes
// 01-10) from the race file of its day in the Data folder, any other run
// from the outside race file of its date and racecourse in the SEIR
// folder. Runs 1-20 of every runner are looked up, up to the first run
// without a year; each gets the race found, else a blank image with the
// run's race key. Runs 21-25 get the image with their race key.

#include <cstdint>
#include <optional>
#include <vector>

#include "raceday/load_files.h"
#include "raceday/race_day.h"
#include "raceday/view_table.h"
#include "store/store_paths.h"

namespace vantor {

// One per day loader, its tables kept from load to load and cleared by
// every read(). The races the whole day's runs need are gathered first;
// then each past race file is read once, the records of those races go
// into the day's pool of earlier-run races (once each, shared by all the
// runs of that race) and the file is let go before the next one is read,
// so that no more than one past race file is held at a time.
class PastRunRaces {
public:
    PastRunRaces(const StorePaths& paths, LoadFiles& files);

    // Pools the race records the earlier runs of race slots 0 .. count-1
    // need, reading every past race file they name once; nothing of an
    // earlier read() stays.
    void read(RaceDay& day, int count);
    // Gives race records to the earlier runs of every runner of race slot
    // r, from what read() pooled.
    void give(RaceDay& day, int r);

private:
    using ImageId = EarlierRuns::ImageId;
    // Where a run's race record is kept, and its key there.
    struct Place {
        std::uint64_t date = 0;
        SjisView code;
        bool jra = false;
        std::uint64_t key = 0;
    };
    // A past race file some run needs, named through the first such run.
    struct PastFile {
        SjisView run;
        bool jra = false;
        std::uint64_t date = 0;
        SjisView code;
    };

    static std::uint64_t raceKey(bool jra, std::uint64_t date, SjisView code, SjisView raceNumber);
    static std::optional<Place> placeOf(SjisView run);
    void clear();
    void need(SjisView run);
    void take(const PastFile& file, EarlierRuns& runs);
    std::filesystem::path pathOf(const PastFile& file) const;
    ImageId raceImage(SjisView run, EarlierRuns& runs);
    ImageId keyImage(SjisView run, EarlierRuns& runs);

    // Visits runs 1-20 of every runner of race slot r, up to the first run
    // without a year.
    template <class Visit>
    static void eachDetailedRun(const EarlierRuns& runs, int r, Visit&& visit);

    const StorePaths& paths_;
    LoadFiles& files_;
    // Races some run needs, by raceKey(): their pool image once a file held
    // them, the blank image while none did.
    KeyTable<ImageId> races_;
    KeyTable<bool> filesNeeded_;  // past race files already in pastFiles_, by their load key
    std::vector<PastFile> pastFiles_;
    KeyTable<ImageId> keyOnly_;  // pool images holding a race key only, by a hash of the key
};

}  // namespace vantor
