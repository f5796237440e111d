#pragma once
// The earlier runs of a day's runners (most recent first) and the race
// record of each run. Runners who ran in the same race share one image of
// its record: runs refer to images in a pool that has room for every run
// of a full day to be a race of its own (36 x 18 x 25), and a load keeps
// each distinct race there once.
//
// Only what a load writes is ever touched: the 9 MB of run images and the
// 20 MB pool are written run by run and image by image, and a reset
// forgets the runners that held runs instead of blanking memory.

#include <array>
#include <cstdint>

#include "raceday/day_capacity.h"
#include "text/sjis.h"

namespace vantor {

class EarlierRuns {
public:
    using ImageId = std::uint16_t;
    static constexpr ImageId kBlankImage = 0;  // the race of a run without one
    static constexpr int kPoolCapacity = kMaxRaces * kMaxRunners * kMaxEarlierRuns + 1;

    EarlierRuns();
    EarlierRuns(const EarlierRuns&) = delete;
    EarlierRuns& operator=(const EarlierRuns&) = delete;

    // How many earlier runs runner j of race r holds (0 to 25).
    int count(int r, int j) const { return counts_[r][j]; }
    // Run e + 1 of runner j of race r; a blank image from e = count(r, j) on.
    const SeImage& run(int r, int j, int e) const { return e < counts_[r][j] ? runs_[r][j][e] : blankRun_; }
    // The race record given to that run; a blank image where none was.
    const RaImage& race(int r, int j, int e) const { return pool_[ids_[r][j][e]]; }

    // Adds a run after the runner's others; a runner holding 25 takes no more.
    void append(int r, int j, SjisView se);

    // A new pool image of a race record, or a blank one holding only the
    // race key (bytes 12-27) of an RA or SE record; the pool never holds
    // more images than a day has runs.
    ImageId keep(SjisView ra);
    ImageId keepRaceKey(SjisView record);
    const RaImage& image(ImageId id) const { return pool_[id]; }
    // Run e of runner j of race r takes pooled image id as its race record.
    void setRace(int r, int j, int e, ImageId id);

    // Forgets every run and race record; only the races that held any are
    // gone through.
    void clear();
    // Images in the pool, the blank one included.
    int pooled() const { return pooled_; }

private:
    RaImage& next();
    void hold(int r) { racesHeld_ = r + 1 > racesHeld_ ? r + 1 : racesHeld_; }

    std::array<PerRunner<std::uint8_t>, kMaxRaces> counts_{};
    std::array<PerRunner<std::array<ImageId, kMaxEarlierRuns>>, kMaxRaces> ids_{};
    int racesHeld_ = 0;  // races 0 .. racesHeld_-1 may hold runs or race records
    int pooled_ = 1;
    SeImage blankRun_;
    // Written only where a load puts something: a run below its runner's
    // count, a pool image below pooled_.
    std::array<PerRunner<std::array<SeImage, kMaxEarlierRuns>>, kMaxRaces> runs_;
    std::array<RaImage, kPoolCapacity> pool_;
};

}  // namespace vantor
