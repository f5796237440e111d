#pragma once
// What a race day's live run fetches now, decided from the day's races,
// the Japan time now and what was fetched when:
// - the day's changes (0B14) and body weights (0B11) at every step;
// - a race's odds (0B30) and win-odds series (0B41) at every step from 30
//   minutes before its post, at most every 10 minutes before that, and once
//   more when the race is over (10 minutes after its post), for its final
//   odds;
// - the day's results (0B12, as "結果情報" fetches them) once a race is
//   over and no results fetch has run since.
// Times are seconds after the race day's midnight in Japan time, whatever
// the machine's time zone; a time after midnight is beyond 86,400.

#include <array>
#include <chrono>
#include <optional>
#include <span>
#include <vector>

#include "raceday/day_capacity.h"
#include "text/fixed_text.h"
#include "text/sjis.h"

namespace vantor {

class LiveDay;
class RaceDay;

inline constexpr int kLiveNearPost = 30 * 60;        // odds at every step from then on
inline constexpr int kLiveOddsInterval = 10 * 60;    // before that, at most this often
inline constexpr int kLiveResultsAfterPost = 10 * 60;  // a race is over this long after its post

struct LiveRaceTime {
    FixedText<16> raceKey;
    int post = 0;  // seconds after the day's midnight, Japan time
};

enum class LiveFetchKind : std::uint8_t { dayChanges, weights, odds, winOddsSeries, results };

struct LiveFetchPlan {
    LiveFetchKind kind;
    int race = -1;  // index into the races for odds and series, else -1
};

// When each fetch last ran, seconds as LiveRaceTime's; none when never.
struct LiveFetchLog {
    std::optional<int> dayChanges, weights, results;
    std::array<std::optional<int>, kMaxRaces> odds{}, series{};
};

// The fetches due at `now`, in the order to run them: the day's, then each
// race's in the races' order, then the results. out is refilled.
void planLiveFetches(std::span<const LiveRaceTime> races, int now, const LiveFetchLog& log,
                     std::vector<LiveFetchPlan>& out);

// Notes in log that plan ran at `now`.
void noteLiveFetch(LiveFetchLog& log, const LiveFetchPlan& plan, int now);

// The seconds of moment after the Japan midnight that begins day "yyyymmdd";
// none for a day that is no date.
std::optional<int> japanSecondsOfDay(SjisView day, std::chrono::sys_seconds moment);

// The day's races with their post times: the race record's, or the live
// state's post-time change where it has one. Races without a post time
// are left out. out is refilled.
void liveRaceTimes(const RaceDay& day, const LiveDay& live, std::vector<LiveRaceTime>& out);

}  // namespace vantor
