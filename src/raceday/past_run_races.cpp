#include "raceday/past_run_races.h"

#include <cctype>
#include <string>

#include "store/jvdata_record.h"

namespace vantor {
namespace {

using namespace jvdata;

constexpr int kFirstJraCourse = 1;
constexpr int kLastJraCourse = 10;

// A racecourse code that may become part of a file name: two letters or digits.
bool isPlainCode(SjisView code) {
    return code.size() == 2 && std::isalnum(static_cast<unsigned char>(code[0])) &&
           std::isalnum(static_cast<unsigned char>(code[1]));
}

SjisView firstRace(SjisView bytes, SjisView raceNumber, SjisView courseCode) {
    for (std::size_t n = 0, count = recordCount(bytes, kRaLength); n < count; ++n) {
        const SjisView rec = recordAt(bytes, kRaLength, n);
        if (get(rec, ra::RaceNum) == raceNumber && (courseCode.empty() || get(rec, ra::JyoCD) == courseCode))
            return rec;
    }
    return {};
}

SjisView findRace(const StorePaths& paths, LoadFiles& files, SjisView run) {
    const SjisView year = get(run, se::Year);
    const SjisView monthDay = get(run, se::MonthDay);
    const SjisView code = get(run, se::JyoCD);
    const SjisView raceNumber = get(run, se::RaceNum);
    if (!isAllDigits(year) || !isAllDigits(monthDay)) return {};
    const int course = lenientInt(code);
    std::string key;
    if (course >= kFirstJraCourse && course <= kLastJraCourse) {
        key.append("D:").append(year).append(monthDay);
        const SjisView day =
            files.shared(key, [&] { return paths.dayFile(dayNameUtf8(year, monthDay), ".jvRA"); });
        return firstRace(day, raceNumber, code);
    }
    if (!isPlainCode(code)) return {};
    key.append("S:").append(year).append(monthDay).append(code);
    const SjisView outside =
        files.shared(key, [&] { return paths.outsideRaceFile(year, key.substr(2)); });
    return firstRace(outside, raceNumber, {});
}

}  // namespace

void readPastRunRaces(const StorePaths& paths, LoadFiles& files, RaceDay& day, const std::function<void()>& raceDone) {
    for (int r = 0; r < kMaxRaces; ++r) {
        if (raceDone) raceDone();
        for (int j = 0; j < kMaxRunners; ++j) {
            for (int e = 0; e < kDetailedEarlierRuns; ++e) {
                const SjisView run = day.JvSeiTbl[r][j][e].view();
                if (trimBlanks(get(run, se::Year)).empty()) break;
                const SjisView race = findRace(paths, files, run);
                if (!race.empty()) day.JvSeiRaTbl[r][j][e].assign(race);
            }
        }
    }
}

}  // namespace vantor
