#include "raceday/live_schedule.h"

#include <algorithm>
#include <string>

#include "codes/calendar.h"
#include "codes/race_key.h"
#include "raceday/live_day.h"
#include "raceday/race_day.h"

namespace vantor {
namespace {

// A race's odds or series: every step near the post, at most every ten
// minutes before, and once after the race is over.
bool oddsDue(const LiveRaceTime& race, int now, const std::optional<int>& last) {
    const int over = race.post + kLiveResultsAfterPost;
    if (now >= over) return !last || *last < over;
    if (race.post - now <= kLiveNearPost) return true;
    return !last || now - *last >= kLiveOddsInterval;
}

// "hhmm" as seconds after midnight; none for anything else.
std::optional<int> postSeconds(SjisView hhmm) {
    if (hhmm.size() != 4 || !isAllDigits(hhmm)) return std::nullopt;
    const int h = (hhmm[0] - '0') * 10 + (hhmm[1] - '0');
    const int m = (hhmm[2] - '0') * 10 + (hhmm[3] - '0');
    if (h > 23 || m > 59) return std::nullopt;
    return (h * 60 + m) * 60;
}

}  // namespace

void planLiveFetches(std::span<const LiveRaceTime> races, int now, const LiveFetchLog& log,
                     std::vector<LiveFetchPlan>& out) {
    out.clear();
    out.push_back({LiveFetchKind::dayChanges});
    out.push_back({LiveFetchKind::weights});
    bool resultsDue = false;
    for (std::size_t i = 0; i < races.size() && i < kMaxRaces; ++i) {
        const LiveRaceTime& race = races[i];
        if (oddsDue(race, now, log.odds[i])) out.push_back({LiveFetchKind::odds, static_cast<int>(i)});
        if (oddsDue(race, now, log.series[i])) out.push_back({LiveFetchKind::winOddsSeries, static_cast<int>(i)});
        const int over = race.post + kLiveResultsAfterPost;
        resultsDue |= now >= over && (!log.results || *log.results < over);
    }
    if (resultsDue) out.push_back({LiveFetchKind::results});
}

void noteLiveFetch(LiveFetchLog& log, const LiveFetchPlan& plan, int now) {
    const auto at = static_cast<std::size_t>(plan.race);
    switch (plan.kind) {
        case LiveFetchKind::dayChanges:
            log.dayChanges = now;
            break;
        case LiveFetchKind::weights:
            log.weights = now;
            break;
        case LiveFetchKind::odds:
            log.odds[at] = now;
            break;
        case LiveFetchKind::winOddsSeries:
            log.series[at] = now;
            break;
        case LiveFetchKind::results:
            log.results = now;
            break;
    }
}

std::optional<int> japanSecondsOfDay(SjisView day, std::chrono::sys_seconds moment) {
    const std::optional<std::chrono::sys_seconds> midnight = japanMoment(std::string(day.bytes()) + "000000");
    if (!midnight) return std::nullopt;
    // Kept within int: a day decades away is as far before or after as any.
    constexpr long long kFar = 1LL << 30;
    return static_cast<int>(std::clamp<long long>((moment - *midnight).count(), -kFar, kFar));
}

void liveRaceTimes(const RaceDay& day, const LiveDay& live, std::vector<LiveRaceTime>& out) {
    out.clear();
    for (int r = 0; r < day.RaceCount && r < kMaxRaces; ++r) {
        const TRaceRec& race = day.RaceTbl[r];
        const RaceKey key(race.RaceKey.view());
        if (key.text().size() < RaceKey::kLength) continue;
        const LiveRace* changed = live.race(key.course(), lenientInt(key.raceNumber()));
        const bool moved = changed && changed->postTimeChange.present();
        if (const auto post = postSeconds(moved ? changed->postTime.view() : race.HassoTime.view()))
            out.push_back({key.text(), *post});
    }
}

}  // namespace vantor
