#include "raceday/payout_import.h"

#include "fileio/whole_file.h"
#include "raceday/load_files.h"
#include "raceday/results_conversion.h"
#include "record_layouts/jvdata_record.h"
#include "store/store_batch.h"

namespace vantor {
namespace {

using namespace jvdata;

void readRunners(const StorePaths& paths, const std::string& dayName, RaceDay& day, int r) {
    const SjisView ra = day.JvRaTbl[r].view();
    const auto course = courseFileNameUtf8(get(ra, ra::JyoCD));
    const int race = inum(ra, ra::RaceNum);
    if (!course || race < 1 || race > kRacesPerRunnerFile) return;
    const FileContent runners = readFilePart(paths.runnerFile(dayName, *course), kRunnerFileBound);
    if (runners.status != FileContent::Status::ok) return;
    const std::size_t slots = recordCount(sjisBytes(runners.bytes), kSeLength);
    const int heads = runnerSlotsOf(get(ra, ra::TorokuTosu));
    for (int j = 0; j < heads; ++j) {
        const std::size_t slot = static_cast<std::size_t>((race - 1) * kRunnerSlotsPerRace + j);
        if (slot < slots) day.JvSeTbl[r][j].assign(recordAt(sjisBytes(runners.bytes), kSeLength, slot));
    }
}

}  // namespace

void importPayouts(RaceDay& day, const StorePaths& paths, const std::string& dayName) {
    const FileContent races =
        readFilePart(paths.dayFile(dayName, ".jvRA"), firstRecords(kKeyedFileRecordLimit, kRaLength));
    if (races.status == FileContent::Status::ok) {
        int r = 0;
        // Only the race slots of the loaded day: no other slot is ever written.
        for (std::size_t n = 0; n < recordCount(sjisBytes(races.bytes), kRaLength) && r < day.RaceCount; ++n) {
            const SjisView ra = recordAt(sjisBytes(races.bytes), kRaLength, n);
            if (trimBlanks(get(ra, ra::Year)).empty()) continue;
            day.JvRaTbl[r].assign(ra);
            readRunners(paths, dayName, day, r);
            ++r;
        }
    }

    const FileContent payouts = readFilePart(paths.dayFile(dayName, ".jvHR"), firstRecords(kMaxRaces, kHrLength));
    if (payouts.status == FileContent::Status::ok) {
        for (auto& hr : day.JvHrTbl) hr.fillBlank();
        const std::size_t count = std::min<std::size_t>(recordCount(sjisBytes(payouts.bytes), kHrLength), kMaxRaces);
        for (std::size_t n = 0; n < count; ++n) {
            const SjisView hr = recordAt(sjisBytes(payouts.bytes), kHrLength, n);
            if (trimBlanks(raceKey(hr).text()).empty()) continue;
            for (int r = 0; r < kMaxRaces; ++r) {
                if (raceKey(day.JvRaTbl[r].view()) == raceKey(hr)) {
                    day.JvHrTbl[r].assign(hr);
                    break;
                }
            }
        }
    }
    SeiBtnClick(day);
}

}  // namespace vantor
