#include "raceday/runner_records.h"

#include <system_error>

#include "raceday/horse_file_conversion.h"
#include "store/jvdata_record.h"
#include "store/record_checks.h"
#include "store/store_batch.h"

namespace vantor {
namespace {

using namespace jvdata;

constexpr ReadBound kMasterBound = firstRecords(1, kUmLength);

void readHorseMaster(const StorePaths& paths, SjisView id, LoadFiles& files, RaceDay& day, int c, int j) {
    day.Um2FileName = paths.horseMasterFile(id);
    const FileContent* master = &files.read(day.Um2FileName, kMasterBound);
    if (master->status == FileContent::Status::missing) {
        std::error_code ignored;  // a folder that cannot be made fails the conversion's write
        std::filesystem::create_directories(day.Um2FileName.parent_path(), ignored);
        day.UmaFileName = paths.earlierHorseFile(id);
        if (UMConvertBtnClick(day.UmaFileName, day.Um2FileName, files.reader()))
            master = &files.read(day.Um2FileName, kMasterBound);
    }
    if (master->status == FileContent::Status::ok && recordCount(master->bytes, kUmLength) >= 1)
        day.JvUmTbl[c][j].assign(recordAt(master->bytes, kUmLength, 0));
}

void readRunners(const StorePaths& paths, const std::string& dayName, LoadFiles& files, RaceDay& day, int c,
                 PerRunner<int>& earlierRuns) {
    const SjisView ra = day.JvRaTbl[c].view();
    const SjisView code = get(ra, ra::JyoCD);
    const auto course = courseFileNameUtf8(code);
    const int race = inum(ra, ra::RaceNum);
    if (!course || race < 1 || race > kRacesPerRunnerFile) return;

    const SjisView runners = files.shared(
        LoadFiles::key(LoadFiles::Kind::runners, 0, code), [&] { return paths.runnerFile(dayName, *course); },
        kRunnerFileBound);
    const std::size_t slots = recordCount(runners, kSeLength);
    const int heads = runnerSlotsOf(get(ra, ra::TorokuTosu));
    for (int j = 0; j < heads; ++j) {
        const std::size_t slot = static_cast<std::size_t>((race - 1) * kRunnerSlotsPerRace + j);
        if (slot >= slots) break;
        const SjisView se = recordAt(runners, kSeLength, slot);
        day.JvSeTbl[c][j].assign(se);
        // Horse ids name files; anything but ten digits could name a path
        // outside the store.
        const SjisView id = get(se, se::KettoNum);
        if (!isValidHorseId(id)) continue;
        readHorseMaster(paths, id, files, day, c, j);
        const FileContent& history = files.read(paths.horseRunFile(id), kHistoryBound);
        if (history.status == FileContent::Status::ok)
            earlierRuns[j] = takeEarlierRuns(history.bytes, lenientNumber(jvdata::raceKey(se).date()), day, c, j);
    }
}

}  // namespace

int takeEarlierRuns(SjisView historyBytes, long long raceDate, RaceDay& day, int c, int j) {
    int e = 0;
    for (std::size_t n = recordCount(historyBytes, kSeLength); n-- > 0 && e < kMaxEarlierRuns;) {
        const SjisView run = recordAt(historyBytes, kSeLength, n);
        const long long runDate = lenientNumber(jvdata::raceKey(run).date());
        if (runDate >= raceDate || runDate < 1 || raceDate < 1) continue;
        day.JvSeiTbl[c][j][e].assign(run);
        // The past-run lookup writes the race images of the runs it looks up.
        if (e >= kDetailedEarlierRuns) day.JvSeiRaTbl[c][j][e].assignRaceKey(run);
        ++e;
    }
    return e;
}

void readRunnerRecords(const StorePaths& paths, const std::string& dayName, LoadFiles& files, RaceDay& day, int c) {
    PerRunner<int> earlierRuns{};
    readRunners(paths, dayName, files, day, c, earlierRuns);
    for (int j = 0; j < kMaxRunners; ++j) day.settleEarlierRuns(c, j, earlierRuns[j]);
}

}  // namespace vantor
