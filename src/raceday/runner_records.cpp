#include "raceday/runner_records.h"

#include "raceday/horse_file_conversion.h"
#include "record_layouts/jvdata_record.h"
#include "store/record_checks.h"
#include "store/store_batch.h"

namespace vantor {
namespace {

using namespace jvdata;

constexpr ReadBound kMasterBound = firstRecords(1, kUmLength);

void readHorseMaster(const StorePaths& paths, SjisView id, LoadFiles& files, RaceDay& day, int c, int j) {
    const std::filesystem::path um2File = paths.horseMasterFile(id);
    const FileContent* master = &files.read(um2File, kMasterBound);
    if (master->status == FileContent::Status::missing) {
        // A folder that cannot be made fails the conversion's write.
        files.access().makeFolders(um2File.parent_path());
        if (UMConvertBtnClick(paths.earlierHorseFile(id), um2File, files.reader(), files.access()))
            master = &files.read(um2File, kMasterBound);
    }
    if (master->status == FileContent::Status::ok && recordCount(sjisBytes(master->bytes), kUmLength) >= 1)
        day.JvUmTbl[c][j].assign(recordAt(sjisBytes(master->bytes), kUmLength, 0));
}

}  // namespace

void readRunnerRecords(const StorePaths& paths, const std::string& dayName, LoadFiles& files, RaceDay& day, int c) {
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
            takeEarlierRuns(sjisBytes(history.bytes), lenientNumber(jvdata::raceKey(se).date()), day.earlierRuns(), c,
                            j);
    }
}

void takeEarlierRuns(SjisView historyBytes, long long raceDate, EarlierRuns& runs, int c, int j) {
    for (std::size_t n = recordCount(historyBytes, kSeLength); n-- > 0 && runs.count(c, j) < kMaxEarlierRuns;) {
        const SjisView run = recordAt(historyBytes, kSeLength, n);
        const long long runDate = lenientNumber(jvdata::raceKey(run).date());
        if (runDate >= raceDate || runDate < 1 || raceDate < 1) continue;
        runs.append(c, j, run);
    }
}

}  // namespace vantor
