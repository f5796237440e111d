#include "raceday/earlier_runs.h"

#include <limits>
#include <stdexcept>

namespace vantor {

static_assert(EarlierRuns::kPoolCapacity - 1 <= std::numeric_limits<EarlierRuns::ImageId>::max());

EarlierRuns::EarlierRuns() {
    blankRun_.fillBlank();
    pool_[kBlankImage].fillBlank();
}

void EarlierRuns::append(int r, int j, SjisView se) {
    std::uint8_t& count = counts_[r][j];
    if (count >= kMaxEarlierRuns) return;
    runs_[r][j][count++].assign(se);
    hold(r);
}

RaImage& EarlierRuns::next() {
    // A load pools at most one image per run, so only a misuse fills it.
    if (pooled_ == kPoolCapacity) throw std::length_error("earlier-run race pool is full");
    return pool_[pooled_++];
}

EarlierRuns::ImageId EarlierRuns::keep(SjisView ra) {
    next().assign(ra);
    return static_cast<ImageId>(pooled_ - 1);
}

EarlierRuns::ImageId EarlierRuns::keepRaceKey(SjisView record) {
    next().assignRaceKey(record);
    return static_cast<ImageId>(pooled_ - 1);
}

void EarlierRuns::setRace(int r, int j, int e, ImageId id) {
    ids_[r][j][e] = id;
    hold(r);
}

void EarlierRuns::clear() {
    for (int r = 0; r < racesHeld_; ++r) {
        counts_[r].fill(0);
        for (auto& ids : ids_[r]) ids.fill(kBlankImage);
    }
    racesHeld_ = 0;
    pooled_ = 1;
}

}  // namespace vantor
