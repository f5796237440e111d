// What a live run fetches when: every step the day's changes and weights;
// a race's odds and series every step from 30 minutes before its post, at
// most every 10 minutes before, once more when it is over; the results
// once a race is over. Japan time whatever the machine's time zone.

#include "raceday/live_schedule.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "support/live_records.h"
#include "raceday/race_day.h"

using namespace vantor;
using namespace vantor::test;
using namespace std::chrono;

namespace {

constexpr int at(int h, int m, int s = 0) { return (h * 60 + m) * 60 + s; }

// "d" day, "w" weights, "o3" odds of race 3, "s3" its series, "r" results.
std::string planText(std::span<const LiveRaceTime> races, int now, const LiveFetchLog& log) {
    std::vector<LiveFetchPlan> plan;
    planLiveFetches(races, now, log, plan);
    std::string text;
    for (const LiveFetchPlan& p : plan) {
        static const char* const names[] = {"d", "w", "o", "s", "r"};
        if (!text.empty()) text += ' ';
        text += names[static_cast<int>(p.kind)];
        if (p.race >= 0) text += std::to_string(p.race);
    }
    return text;
}

LiveFetchLog fetchedAt(std::span<const LiveRaceTime> races, int now) {
    LiveFetchLog log;
    std::vector<LiveFetchPlan> plan;
    planLiveFetches(races, now, log, plan);
    for (const LiveFetchPlan& p : plan) noteLiveFetch(log, p, now);
    return log;
}

}  // namespace

TEST(LiveSchedule, OddsEveryStepFromThirtyMinutesBeforeThePostAndEveryTenBefore) {
    const LiveRaceTime races[] = {{SjisView("2024052605021201"), at(10, 0)},
                                  {SjisView("2024052605021211"), at(15, 40)}};
    EXPECT_EQ(planText(races, at(9, 0), {}), "d w o0 s0 o1 s1") << "never fetched: all due";

    const LiveFetchLog log = fetchedAt(races, at(9, 25));
    EXPECT_EQ(planText(races, at(9, 29, 59), log), "d w") << "30 min 1 s before the post, 5 min after the last";
    EXPECT_EQ(planText(races, at(9, 30), log), "d w o0 s0") << "30 min before the post: every step";
    EXPECT_EQ(planText(races, at(9, 34, 59), log), "d w o0 s0");
    EXPECT_EQ(planText(races, at(9, 35), log), "d w o0 s0 o1 s1") << "ten minutes since the last";
    EXPECT_EQ(planText(races, at(10, 5), fetchedAt(races, at(10, 4))), "d w o0 s0")
        << "after the post, until the race is over";
}

TEST(LiveSchedule, ARaceThatIsOverGetsItsFinalOddsAndTheResultsOnce) {
    const LiveRaceTime races[] = {{SjisView("2024052605021201"), at(10, 0)},
                                  {SjisView("2024052605021202"), at(10, 30)}};
    EXPECT_EQ(planText(races, at(10, 9, 59), fetchedAt(races, at(10, 9))), "d w o0 s0 o1 s1");

    LiveFetchLog log = fetchedAt(races, at(10, 9));
    EXPECT_EQ(planText(races, at(10, 10), log), "d w o0 s0 o1 s1 r") << "ten minutes after the post";
    log = fetchedAt(races, at(10, 10));
    EXPECT_EQ(planText(races, at(10, 11), log), "d w o1 s1") << "over: nothing more of race 1";
    EXPECT_EQ(planText(races, at(10, 40), log), "d w o1 s1 r") << "the second race over: results again";
    EXPECT_EQ(planText(races, at(17, 0), {}), "d w o0 s0 o1 s1 r") << "a run that starts late fetches each once";
    EXPECT_EQ(planText(races, at(17, 0), fetchedAt(races, at(17, 0))), "d w");
}

TEST(LiveSchedule, APostTimeChangeMovesTheRaceAndRacesWithoutAPostAreLeftOut) {
    std::unique_ptr<RaceDay> day = RaceDay::create();
    day->RaceCount = 3;
    day->RaceTbl[0].RaceKey = "2024052605021211";
    day->RaceTbl[0].HassoTime = "1540";
    day->RaceTbl[1].RaceKey = "2024052605021212";
    day->RaceTbl[1].HassoTime = "    ";
    day->RaceTbl[2].RaceKey = "2024052605021210";
    day->RaceTbl[2].HassoTime = "1505";
    std::unique_ptr<LiveDay> live = LiveDay::create();
    live->reset("20240526");
    std::vector<LiveRaceTime> races;

    liveRaceTimes(*day, *live, races);
    ASSERT_EQ(races.size(), 2u);
    EXPECT_EQ(races[0].raceKey, "2024052605021211"_sjis);
    EXPECT_EQ(races[0].post, at(15, 40));
    EXPECT_EQ(races[1].post, at(15, 5));
    const LiveFetchLog log = fetchedAt(races, at(15, 5));
    EXPECT_EQ(planText(races, at(15, 10), log), "d w o0 s0 o1 s1");

    const SjisString tc = tcRecord("05261400", "1550", "1540");
    const SjisView records[] = {tc};
    live->applyAnswer(LiveDataspec::dayChanges, records);
    liveRaceTimes(*day, *live, races);
    EXPECT_EQ(races[0].post, at(15, 50));
    EXPECT_EQ(planText(races, at(15, 10), log), "d w o1 s1") << "40 minutes before the new post";
    EXPECT_EQ(planText(races, at(15, 20), log), "d w o0 s0 o1 s1 r") << "30 minutes before; the other over";
}

TEST(LiveSchedule, TheDayIsJapanTimeWhateverTheTimeZone) {
    const sys_seconds midnight = sys_days{2024y / May / 25} + 15h;  // 2024-05-26 00:00 in Japan
    const char* const zones[] = {"UTC", "America/Los_Angeles", "Asia/Tokyo", "Pacific/Kiritimati"};
    const char* saved = std::getenv("TZ");
    const std::string before = saved ? saved : "";
    for (const char* zone : zones) {
        ::setenv("TZ", zone, 1);
        ::tzset();
        EXPECT_EQ(japanSecondsOfDay("20240526", midnight), 0) << zone;
        EXPECT_EQ(japanSecondsOfDay("20240526", midnight + 10h + 30min), at(10, 30)) << zone;
        EXPECT_EQ(japanSecondsOfDay("20240526", midnight - 1s), -1) << zone << ": the evening before";
        EXPECT_EQ(japanSecondsOfDay("20240526", midnight + 24h + 5min), at(24, 5)) << zone << ": after midnight";
    }
    if (saved)
        ::setenv("TZ", before.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
    EXPECT_EQ(japanSecondsOfDay("19500101", midnight), 1 << 30) << "decades later: far, never wrapped";
    EXPECT_FALSE(japanSecondsOfDay("20240231", midnight));
    EXPECT_FALSE(japanSecondsOfDay("", midnight));
}
