#include "raceday/past_run_races.h"

#include <string>

#include "store/jvdata_record.h"

namespace vantor {
namespace {

using namespace jvdata;

constexpr int kFirstJraCourse = 1;
constexpr int kLastJraCourse = 10;
constexpr std::size_t kExpectedRaces = 4096;  // races of the past days a full day refers to, about
constexpr ReadBound kRaceFileBound = firstRecords(kKeyedFileRecordLimit, kRaLength);

// A racecourse code that may become part of a file name: two ASCII
// letters or digits.
bool isPlainCode(SjisView code) {
    const auto plain = [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    };
    return code.size() == 2 && plain(code[0]) && plain(code[1]);
}

}  // namespace

PastRunRaces::PastRunRaces(const StorePaths& paths, LoadFiles& files)
    : paths_(paths), files_(files), races_(kExpectedRaces) {}

// Key of a race: where it is kept (1 day file, 2 outside race file), date,
// racecourse code and race number.
std::uint64_t PastRunRaces::raceKey(bool jra, std::uint64_t date, SjisView code, SjisView raceNumber) {
    return (jra ? 1ULL : 2ULL) << 59 | date << 32 | twoByteKey(code) << 16 | twoByteKey(raceNumber);
}

// The first record of each racecourse and race number of a file, under its key.
void PastRunRaces::index(SjisView bytes, bool jra, std::uint64_t date, SjisView fileCode) {
    for (std::size_t n = 0, count = recordCount(bytes, kRaLength); n < count; ++n) {
        const SjisView rec = recordAt(bytes, kRaLength, n);
        races_.insert(raceKey(jra, date, jra ? get(rec, ra::JyoCD) : fileCode, get(rec, ra::RaceNum)), rec);
    }
}

SjisView PastRunRaces::find(SjisView run) {
    const SjisView code = get(run, se::JyoCD);
    if (!isAllDigits(get(run, se::Year)) || !isAllDigits(get(run, se::MonthDay))) return {};
    const auto date = static_cast<std::uint64_t>(lenientNumber(jvdata::raceKey(run).date()));
    const int course = lenientInt(code);
    const bool jra = course >= kFirstJraCourse && course <= kLastJraCourse;
    if (!jra && !isPlainCode(code)) return {};

    const std::uint64_t key = raceKey(jra, date, code, get(run, se::RaceNum));
    if (const SjisView* known = races_.find(key)) return *known;
    // First need of this race: its file is read and indexed whole (a file
    // already indexed adds nothing), and a race it lacks is noted as missing.
    index(jra ? dayRaces(run, date) : outsideRaces(run, date), jra, date, code);
    races_.insert(key, {});
    return *races_.find(key);
}

SjisView PastRunRaces::dayRaces(SjisView run, std::uint64_t date) {
    return files_.shared(
        LoadFiles::key(LoadFiles::Kind::dayRaces, static_cast<long long>(date)),
        [&] { return paths_.dayFile(dayNameUtf8(get(run, se::Year), get(run, se::MonthDay)), ".jvRA"); },
        kRaceFileBound);
}

SjisView PastRunRaces::outsideRaces(SjisView run, std::uint64_t date) {
    const SjisView code = get(run, se::JyoCD);
    return files_.shared(
        LoadFiles::key(LoadFiles::Kind::outsideRaces, static_cast<long long>(date), code),
        [&] { return paths_.outsideRaceFile(get(run, se::Year), std::string(jvdata::raceKey(run).dateAndCourse())); },
        kRaceFileBound);
}

void PastRunRaces::read(RaceDay& day, int r) {
    for (int j = 0; j < kMaxRunners; ++j) {
        for (int e = 0; e < kDetailedEarlierRuns; ++e) {
            const SjisView run = day.JvSeiTbl[r][j][e].view();
            if (trimBlanks(get(run, se::Year)).empty()) break;
            const SjisView race = find(run);
            RaImage& image = day.JvSeiRaTbl[r][j][e];
            if (race.empty())
                image.assignRaceKey(run);
            else
                image.assign(race);
        }
    }
}

}  // namespace vantor
