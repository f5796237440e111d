#include "raceday/predicted_odds.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "codes/course_names.h"
#include "raceday/load_files.h"
#include "record_layouts/jvdata_record.h"

namespace vantor {
namespace {

constexpr std::size_t kMaxOddsRecords = kMaxRaces;

// Date, racecourse name and race number: the key both sides are matched on.
std::optional<SjisString> raceMatchKey(SjisView date, std::optional<SjisString> courseName, SjisView raceNumber) {
    if (!courseName || trimBlanks(date).empty()) return std::nullopt;
    SjisString key(date);
    key += *courseName;
    key += raceNumber;
    return key;
}

std::optional<SjisString> oddsRecordKey(SjisView rec) {
    using namespace yoz;
    const SjisView code = jvdata::get(rec, CourseCode);
    auto name = jvdata::get(rec, Source) == "J" ? CourseName(code, 2) : std::optional(KolCourseName(code));
    return raceMatchKey(jvdata::get(rec, Date), std::move(name), jvdata::get(rec, RaceNum));
}

std::optional<SjisString> raceRecordKey(SjisView ra) {
    using namespace jvdata;
    return raceMatchKey(raceKey(ra).date(), CourseName(get(ra, ra::JyoCD), 2), get(ra, ra::RaceNum));
}

}  // namespace

double oddsValue(SjisView text) {
    const SjisView trimmed = trimBlanks(text);
    double value = 0;
    const auto [end, error] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
    return error == std::errc() && std::isfinite(value) ? value : 0;
}

void setPredictedOdds(RaceDay& day, int r) {
    const SjisView rec = day.YozTbl[r].view();
    for (int j = 0; j < kMaxRunners; ++j) {
        const SjisView text = jvdata::get(rec, yoz::WinOdds, j + 1);
        if (!trimBlanks(text).empty()) day.RaceTbl[r].YozOdds[j] = oddsValue(text);
    }
}

void matchPredictedOdds(SjisView yozBytes, RaceDay& day) {
    // Most days have no predicted odds: their races' keys are not made.
    const std::size_t records = std::min(recordCount(yozBytes, yoz::kLength), kMaxOddsRecords);
    if (records == 0) return;
    std::array<std::optional<SjisString>, kMaxRaces> raceKeys;
    for (int r = 0; r < kMaxRaces; ++r) raceKeys[r] = raceRecordKey(day.JvRaTbl[r].view());

    for (std::size_t n = 0; n < records; ++n) {
        const SjisView rec = recordAt(yozBytes, yoz::kLength, n);
        const auto key = oddsRecordKey(rec);
        if (!key) continue;
        for (int r = 0; r < kMaxRaces; ++r) {
            if (raceKeys[r] != key) continue;
            day.YozTbl[r].assign(rec);
            day.RaceTbl[r].YozLoaded = 1;
            setPredictedOdds(day, r);
            break;
        }
    }
}

PerRunner<i32> predictedOddsRanks(const PerRunner<double>& odds) {
    // Odds compared in tenths, as they are written; ties go by horse number.
    struct Entry {
        long long tenths;
        int runner;
        auto operator<=>(const Entry&) const = default;
    };
    std::array<Entry, kMaxRunners> entries;
    std::size_t count = 0;
    PerRunner<i32> ranks{};
    for (int j = 0; j < kMaxRunners; ++j)
        if (odds[j] > 0) entries[count++] = {std::llround(odds[j] * 10), j};
    std::sort(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(count));
    for (std::size_t n = 0; n < count; ++n) ranks[entries[n].runner] = static_cast<i32>(n + 1);
    return ranks;
}

void rankPredictedOdds(TRaceRec& race) { race.YozRank = predictedOddsRanks(race.YozOdds); }

}  // namespace vantor
