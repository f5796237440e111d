#include "raceday/past_run_races.h"

#include <algorithm>
#include <optional>
#include <string>

#include "record_layouts/jvdata_record.h"

namespace vantor {
namespace {

using namespace jvdata;

constexpr int kFirstJraCourse = 1;
constexpr int kLastJraCourse = 10;
constexpr std::size_t kExpectedRaces = 4096;  // distinct races the earlier runs of a full day name, about
constexpr std::size_t kExpectedFiles = 1024;  // past race files a full day names, about
// Every detailed run of a full day naming a file of its own: the list of
// files never grows during a load.
constexpr std::size_t kMostFiles = std::size_t{kMaxRaces} * kMaxRunners * kDetailedEarlierRuns;
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
    : paths_(paths), files_(files), races_(kExpectedRaces), filesNeeded_(kExpectedFiles), keyOnly_(kExpectedKeyOnly) {
    pastFiles_.reserve(kMostFiles);
}

// Key of a race: where it is kept (1 day file, 2 outside race file), date,
// racecourse code and race number.
std::uint64_t PastRunRaces::raceKey(bool jra, std::uint64_t date, SjisView code, SjisView raceNumber) {
    return (jra ? 1ULL : 2ULL) << 59 | date << 32 | twoByteKey(code) << 16 | twoByteKey(raceNumber);
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

template <class Visit>
void PastRunRaces::eachDetailedRun(const EarlierRuns& runs, int r, Visit&& visit) {
    for (int j = 0; j < kMaxRunners; ++j) {
        for (int e = 0, count = std::min(runs.count(r, j), kDetailedEarlierRuns); e < count; ++e) {
            const SjisView run = runs.run(r, j, e).view();
            if (trimBlanks(get(run, se::Year)).empty()) break;
            visit(j, e, run);
        }
    }
}

// Notes a run's race, and its file the first time a run names that file.
// A day file holds every JRA racecourse of its date; an outside race file
// one racecourse.
void PastRunRaces::need(SjisView run) {
    const std::optional<Place> place = placeOf(run);
    if (!place) return;
    races_.insert(place->key, EarlierRuns::kBlankImage);
    const std::uint64_t fileKey =
        place->jra ? LoadFiles::key(LoadFiles::Kind::dayRaces, static_cast<long long>(place->date))
                   : LoadFiles::key(LoadFiles::Kind::outsideRaces, static_cast<long long>(place->date), place->code);
    if (filesNeeded_.find(fileKey)) return;
    filesNeeded_.insert(fileKey, true);
    pastFiles_.push_back({run, place->jra, place->date, place->jra ? SjisView() : place->code});
}

std::filesystem::path PastRunRaces::pathOf(const PastFile& file) const {
    if (file.jra) return paths_.dayFile(dayNameUtf8(get(file.run, se::Year), get(file.run, se::MonthDay)), ".jvRA");
    return paths_.outsideRaceFile(get(file.run, se::Year), jvdata::raceKey(file.run).dateAndCourse());
}

// Pools the first record of each needed race a file holds. A missing or
// unreadable file gives nothing; its runs keep their race key alone.
void PastRunRaces::take(const PastFile& file, EarlierRuns& runs) {
    const FileContent& content = files_.read(pathOf(file), kRaceFileBound);
    if (content.status != FileContent::Status::ok) return;
    const SjisView bytes = sjisBytes(content.bytes);
    for (std::size_t n = 0, count = recordCount(bytes, kRaLength); n < count; ++n) {
        const SjisView rec = recordAt(bytes, kRaLength, n);
        const SjisView code = file.jra ? get(rec, ra::JyoCD) : file.code;
        ImageId* image = races_.find(raceKey(file.jra, file.date, code, get(rec, ra::RaceNum)));
        if (image && *image == EarlierRuns::kBlankImage) *image = runs.keep(rec);
    }
}

void PastRunRaces::clear() {
    races_.clear();
    filesNeeded_.clear();
    pastFiles_.clear();
    keyOnly_.clear();
}

void PastRunRaces::read(RaceDay& day, int count) {
    clear();
    EarlierRuns& runs = day.earlierRuns();
    for (int r = 0; r < count; ++r) eachDetailedRun(runs, r, [&](int, int, SjisView run) { need(run); });
    for (const PastFile& file : pastFiles_) take(file, runs);
}

// The race pooled for a run; the run's key alone when no file held it.
PastRunRaces::ImageId PastRunRaces::raceImage(SjisView run, EarlierRuns& runs) {
    const std::optional<Place> place = placeOf(run);
    const ImageId* image = place ? races_.find(place->key) : nullptr;
    if (image == nullptr || *image == EarlierRuns::kBlankImage) return keyImage(run, runs);
    return *image;
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

void PastRunRaces::give(RaceDay& day, int r) {
    EarlierRuns& runs = day.earlierRuns();
    eachDetailedRun(runs, r, [&](int j, int e, SjisView run) { runs.setRace(r, j, e, raceImage(run, runs)); });
    for (int j = 0; j < kMaxRunners; ++j)
        for (int e = kDetailedEarlierRuns; e < runs.count(r, j); ++e)
            runs.setRace(r, j, e, keyImage(runs.run(r, j, e).view(), runs));
}

}  // namespace vantor
