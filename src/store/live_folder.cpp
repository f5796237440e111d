#include "store/live_folder.h"

#include <array>

#include "record_layouts/jvdata_live_structure.h"
#include "store/store_bounds.h"
#include "text/sjis.h"

namespace vantor {
namespace {

using namespace jvdata;

// A JRA race day has at most three racecourses of twelve races.
constexpr std::size_t kDayRaces = 36;
// A race's time series holds one line per announcement: far fewer than this.
constexpr std::size_t kRaceSeriesLimit = 2048;
// The day-changes file holds one answer: a few records per runner at most.
constexpr std::size_t kChangesBytes = kDayRaces * kRunnerSlotsPerRace * 4 * kJcLength;

constexpr ReadBound lastRecords(std::size_t count, std::size_t length) {
    return {count * length, ReadFrom::end, length};
}

constexpr LiveFileInfo byRace(LiveFileId id, std::string_view name, LiveDataspec dataspec, std::size_t length) {
    return {id, name, dataspec, LiveFileRule::byRace, length, lastRecords(kKeyedFileRecordLimit, length)};
}

constexpr std::array<LiveFileInfo, kLiveFileCount> kFiles{{
    {LiveFileId::changes, "changes.jvd", LiveDataspec::dayChanges, LiveFileRule::whole, 0, {kChangesBytes}},
    byRace(LiveFileId::weights, "weights.jvd", LiveDataspec::weights, kWhLength),
    byRace(LiveFileId::oddsO1, "odds_O1.jvd", LiveDataspec::odds, kO1Length),
    byRace(LiveFileId::oddsO2, "odds_O2.jvd", LiveDataspec::odds, kO2Length),
    byRace(LiveFileId::oddsO3, "odds_O3.jvd", LiveDataspec::odds, kO3Length),
    byRace(LiveFileId::oddsO4, "odds_O4.jvd", LiveDataspec::odds, kO4Length),
    byRace(LiveFileId::oddsO5, "odds_O5.jvd", LiveDataspec::odds, kO5Length),
    byRace(LiveFileId::oddsO6, "odds_O6.jvd", LiveDataspec::odds, kO6Length),
    {LiveFileId::series, "series.jvd", LiveDataspec::winOddsSeries, LiveFileRule::bySeries, kO1Length,
     lastRecords(kDayRaces* kRaceSeriesLimit, kO1Length)},
}};

static_assert([] {
    for (std::size_t i = 0; i < kFiles.size(); ++i)
        if (static_cast<std::size_t>(kFiles[i].id) != i) return false;
    return true;
}());

// The earlier layout's per-race files: the suffix after <JJ><RR>, the day's file of their records.
struct EarlierFile {
    std::string_view suffix;
    LiveFileId id;
    ReadBound bound;
};
constexpr EarlierFile kEarlierFiles[] = {
    {"_O3.jvd", LiveFileId::oddsO3, lastRecords(1, kO3Length)},
    {"_O4.jvd", LiveFileId::oddsO4, lastRecords(1, kO4Length)},
    {"_O5.jvd", LiveFileId::oddsO5, lastRecords(1, kO5Length)},
    {"_O6.jvd", LiveFileId::oddsO6, lastRecords(1, kO6Length)},
    {"_series.jvd", LiveFileId::series, lastRecords(kRaceSeriesLimit, kO1Length)},
};

}  // namespace

std::span<const LiveFileInfo> liveFiles() { return kFiles; }

const LiveFileInfo& liveFile(LiveFileId id) { return kFiles[static_cast<std::size_t>(id)]; }

std::optional<LiveFileId> liveOddsFile(SjisView kind) {
    if (kind.size() != 2 || kind[0] != 'O' || kind[1] < '1' || kind[1] > '6') return std::nullopt;
    return static_cast<LiveFileId>(static_cast<int>(LiveFileId::oddsO1) + (kind[1] - '1'));
}

std::optional<LiveFolderName> liveFolderName(std::string_view name) {
    for (const LiveFileInfo& file : kFiles)
        if (name == file.name) return LiveFolderName{file.id, false, file.bound};
    // <JJ><RR> and a suffix: four digits first.
    if (name.size() < 4 || !isAllDigits(name.substr(0, 4))) return std::nullopt;
    for (const EarlierFile& earlier : kEarlierFiles)
        if (name.substr(4) == earlier.suffix) return LiveFolderName{earlier.id, true, earlier.bound};
    return std::nullopt;
}

}  // namespace vantor
