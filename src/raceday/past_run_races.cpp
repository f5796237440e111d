#include "raceday/past_run_races.h"

#include <algorithm>
#include <optional>
#include <string>

#include "store/jvdata_record.h"

namespace vantor {
namespace {

using namespace jvdata;

constexpr int kFirstJraCourse = 1;
constexpr int kLastJraCourse = 10;
constexpr std::size_t kExpectedRaces = 8192;  // races of the past race files a full day reads, about
// Runs beyond run 20 of a full day; runs without a race record found are few.
constexpr std::size_t kExpectedKeyOnly = kMaxRaces * kMaxRunners * (kMaxEarlierRuns - kDetailedEarlierRuns);
constexpr ReadBound kRaceFileBound = firstRecords(kKeyedFileRecordLimit, kRaLength);

// A racecourse code that may become part of a file name: two ASCII
// letters or digits.
bool isPlainCode(SjisView code) {
    const auto plain = [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    };
    return code.size() == 2 && plain(code[0]) && plain(code[1]);
}

// FNV-1a of a race key's 16 bytes; never 0, which marks an empty table slot.
std::uint64_t hashOf(SjisView key) {
    std::uint64_t h = 0xCBF29CE484222325ULL;
    for (const char c : key) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001B3ULL;
    return h | 1;
}

}  // namespace

PastRunRaces::PastRunRaces(const StorePaths& paths, LoadFiles& files)
    : paths_(paths), files_(files), races_(kExpectedRaces), keyOnly_(kExpectedKeyOnly) {}

// Key of a race: where it is kept (1 day file, 2 outside race file), date,
// racecourse code and race number.
std::uint64_t PastRunRaces::raceKey(bool jra, std::uint64_t date, SjisView code, SjisView raceNumber) {
    return (jra ? 1ULL : 2ULL) << 59 | date << 32 | twoByteKey(code) << 16 | twoByteKey(raceNumber);
}

// The first record of each racecourse and race number of a file, under its key.
void PastRunRaces::index(SjisView bytes, bool jra, std::uint64_t date, SjisView fileCode) {
    for (std::size_t n = 0, count = recordCount(bytes, kRaLength); n < count; ++n) {
        const SjisView rec = recordAt(bytes, kRaLength, n);
        races_.insert(raceKey(jra, date, jra ? get(rec, ra::JyoCD) : fileCode, get(rec, ra::RaceNum)), {rec.data()});
    }
}

// Where a run's race record is kept; nothing for a run whose date or
// racecourse cannot name a file.
std::optional<PastRunRaces::Place> PastRunRaces::placeOf(SjisView run) {
    if (!isAllDigits(get(run, se::Year)) || !isAllDigits(get(run, se::MonthDay))) return std::nullopt;
    Place place;
    place.date = static_cast<std::uint64_t>(lenientNumber(jvdata::raceKey(run).date()));
    place.code = get(run, se::JyoCD);
    const int course = lenientInt(place.code);
    place.jra = course >= kFirstJraCourse && course <= kLastJraCourse;
    if (!place.jra && !isPlainCode(place.code)) return std::nullopt;
    place.key = raceKey(place.jra, place.date, place.code, get(run, se::RaceNum));
    return place;
}

PastRunRaces::PastRace& PastRunRaces::find(const Place& place, SjisView run) {
    if (PastRace* known = races_.find(place.key)) return *known;
    // First need of this race: its file is read and indexed whole (a file
    // already indexed adds nothing), and a race it lacks is noted as missing.
    index(place.jra ? dayRaces(run, place.date) : outsideRaces(run, place.date), place.jra, place.date, place.code);
    races_.insert(place.key, {});
    return *races_.find(place.key);
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

// The race found for a run, pooled once for all its runners; the run's
// key alone when there is none.
PastRunRaces::ImageId PastRunRaces::raceImage(SjisView run, EarlierRuns& runs) {
    const std::optional<Place> place = placeOf(run);
    if (!place) return keyImage(run, runs);
    PastRace& race = find(*place, run);
    if (race.record == nullptr) return keyImage(run, runs);
    if (race.image == EarlierRuns::kBlankImage) race.image = runs.keep(SjisView(race.record, kRaLength));
    return race.image;
}

// An image holding only the run's race key, pooled once per key: the hash
// finds it, the key itself confirms it.
PastRunRaces::ImageId PastRunRaces::keyImage(SjisView run, EarlierRuns& runs) {
    const SjisView key = jvdata::raceKey(run).text();
    const std::uint64_t hash = hashOf(key);
    if (const ImageId* known = keyOnly_.find(hash); known && jvdata::raceKey(runs.image(*known).view()).text() == key)
        return *known;
    const ImageId id = runs.keepRaceKey(run);
    keyOnly_.insert(hash, id);
    return id;
}

void PastRunRaces::read(RaceDay& day, int r) {
    EarlierRuns& runs = day.earlierRuns();
    for (int j = 0; j < kMaxRunners; ++j) {
        const int count = runs.count(r, j);
        for (int e = 0; e < std::min(count, kDetailedEarlierRuns); ++e) {
            const SjisView run = runs.run(r, j, e).view();
            if (trimBlanks(get(run, se::Year)).empty()) break;
            runs.setRace(r, j, e, raceImage(run, runs));
        }
        for (int e = kDetailedEarlierRuns; e < count; ++e)
            runs.setRace(r, j, e, keyImage(runs.run(r, j, e).view(), runs));
    }
}

}  // namespace vantor
