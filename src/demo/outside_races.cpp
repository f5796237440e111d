#include "demo/outside_races.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "codes/calendar.h"
#include "demo/entries.h"
#include "demo/field_result.h"
#include "demo/form.h"
#include "demo/horse_names.h"
#include "demo/jra_race.h"
#include "demo/race_names.h"
#include "demo/rng.h"
#include "text/encoding.h"

namespace vantor::demo {
namespace {

using enum AgeGroup;
using enum Surface;
constexpr Venue L = Venue::local;
constexpr Venue B = Venue::overseas;
constexpr std::uint8_t SUN = 0, MON = 1, TUE = 2, WED = 3, THU = 4, SAT = 6;

constexpr OutsideEvent kEvents[] = {
    {"川崎記念", "川崎記", "45", L, 1, 4, WED, 0, dirt, 2100, 23, fourUp, 'A', 800000, 12, 0.6, 11},
    {"佐賀記念", "佐賀記", "55", L, 2, 2, THU, 0, dirt, 2000, 24, fourUp, 'C', 250000, 12, 0.2, 11},
    {"サウジカップ", "サウジ", "K6", B, 2, 4, SAT, 0, dirt, 1800, 23, fourUp, 'A', 14000000, 14, 1.6, 11},
    {"ダイオライト記念", "ダイオ", "43", L, 3, 2, WED, 0, dirt, 2400, 23, fourUp, 'B', 400000, 14, 0.4, 11},
    {"ドバイターフ", "ドバタ", "C7", B, 3, 4, SAT, 0, turf, 1800, 11, fourUp, 'A', 5400000, 14, 1.5, 10},
    {"ドバイシーマクラシック", "シーマ", "C7", B, 3, 4, SAT, 0, turf, 2410, 11, fourUp, 'A', 4200000, 12, 1.6, 11},
    {"ドバイワールドカップ", "ドバイ", "C7", B, 3, 4, SAT, 0, dirt, 2000, 23, fourUp, 'A', 9600000, 14, 1.7, 12},
    {"クイーンエリザベス２世カップ", "ＱＥ２", "G0", B, 4, 4, SUN, 0, turf, 2000, 17, fourUp, 'A', 2200000, 12, 1.3, 8},
    {"かしわ記念", "かしわ", "43", L, 5, 1, THU, 0, dirt, 1600, 23, fourUp, 'A', 800000, 14, 0.7, 11},
    {"名古屋グランプリ", "名古屋", "48", L, 5, 1, WED, 0, dirt, 2100, 24, fourUp, 'B', 300000, 12, 0.3, 11},
    {"帝王賞", "帝王賞", "44", L, 6, 4, WED, 0, dirt, 2000, 24, fourUp, 'A', 1000000, 16, 0.8, 11},
    {"キングジョージ６世＆クイーンエリザベスステークス", "キング", "A6", B, 7, 4, SAT, 0, turf, 2390, 17, threeUp, 'A',
     1500000, 10, 1.6, 4},
    {"日本テレビ盃", "日テレ", "43", L, 9, 4, WED, 0, dirt, 1800, 23, threeUp, 'B', 400000, 14, 0.4, 11},
    {"凱旋門賞", "凱旋門", "A8", B, 10, 1, SUN, 0, turf, 2400, 17, threeUp, 'A', 3000000, 16, 1.8, 4},
    {"ジャパンダートクラシック", "ＪＤＣ", "44", L, 10, 1, WED, 0, dirt, 2000, 24, three, 'A', 700000, 14, 0.5, 11},
    {"白山大賞典", "白山大", "46", L, 10, 1, TUE, 0, dirt, 2100, 24, threeUp, 'C', 250000, 12, 0.2, 11},
    {"マイルチャンピオンシップ南部杯", "南部杯", "35", L, 10, 2, MON, 0, dirt, 1600, 23, threeUp, 'A', 800000, 16, 0.7,
     11},
    {"コックスプレート", "コック", "B6", B, 10, 4, SAT, 0, turf, 2040, 11, threeUp, 'A', 3000000, 14, 1.5, 9},
    {"ＪＢＣクラシック", "ＪＢＣ", "44", L, 11, 1, MON, 0, dirt, 2000, 24, threeUp, 'A', 1000000, 16, 0.8, 11},
    {"ブリーダーズカップターフ", "ＢＣタ", "A4", B, 11, 1, SAT, 0, turf, 2400, 11, threeUp, 'A', 3000000, 14, 1.7, 10},
    {"浦和記念", "浦和記", "42", L, 11, 4, THU, 0, dirt, 2000, 23, threeUp, 'B', 400000, 12, 0.4, 11},
    {"香港ヴァーズ", "香港ヴ", "G0", B, 12, 2, SUN, 0, turf, 2400, 17, threeUp, 'A', 1400000, 14, 1.2, 4},
    {"香港スプリント", "香港ス", "G0", B, 12, 2, SUN, 0, turf, 1200, 17, threeUp, 'A', 1600000, 14, 1.3, 5},
    {"香港マイル", "香港マ", "G0", B, 12, 2, SUN, 0, turf, 1600, 17, threeUp, 'A', 2000000, 14, 1.3, 7},
    {"香港カップ", "香港カ", "G0", B, 12, 2, SUN, 0, turf, 2000, 17, threeUp, 'A', 2500000, 12, 1.3, 8},
    {"兵庫ゴールドトロフィー", "兵庫Ｇ", "50", L, 12, 4, WED, 0, dirt, 1400, 24, threeUp, 'C', 250000, 12, 0.2, 11},
    {"東京大賞典", "東京大", "44", L, 12, 0, 0, 29, dirt, 2000, 24, threeUp, 'A', 1000000, 16, 0.8, 11},
};

int eventDay(const OutsideEvent& e, int year) {
    if (e.mday != 0) return dayNumber(year, e.month, e.mday);
    return nthWeekday(year, e.month, e.wday, e.week);
}

// Weekday code of the race record: 4 Monday .. 8 Friday, 1 Saturday, 2 Sunday.
int youbiOf(int day) {
    const int wd = weekday(day);
    return wd == 6 ? 1 : wd == 0 ? 2 : wd + 3;
}

bool fits(const Horse& h, const OutsideEvent& e, int day, int year) {
    if (h.retireDay != 0 || h.readyDay > day || h.jumper || !h.debuted) return false;
    const int age = racingAge(h, year);
    if (e.age == three ? age != 3 || h.classLevel < 2 : age < (e.age == fourUp ? 4 : 3) || h.classLevel < 4)
        return false;
    return e.surface == turf ? h.turf > 0.5 : h.turf < 0.5;
}

// The JRA horses sent to the race: the best fit ones, as a rule.
std::vector<std::uint32_t> travellers(const World& world, const OutsideEvent& e, int day, Rng& rng) {
    const int year = civil(day).y;
    std::vector<std::pair<double, std::uint32_t>> keyed;
    for (std::uint32_t i = 0; i < world.horses.size(); ++i) {
        const Horse& h = world.horses[i];
        if (fits(h, e, day, year)) keyed.push_back({std::log(rng.unit() + 1e-300) / std::exp(2.0 * h.ability), i});
    }
    const int wanted =
        e.venue == Venue::overseas ? 1 + static_cast<int>(rng.weighted(std::array{50, 35, 15})) : rng.between(2, 5);
    const std::size_t n = std::min(keyed.size(), static_cast<std::size_t>(wanted));
    std::partial_sort(keyed.begin(), keyed.begin() + static_cast<std::ptrdiff_t>(n), keyed.end(),
                      [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<std::uint32_t> out;
    for (std::size_t i = 0; i < n; ++i) out.push_back(keyed[i].second);
    return out;
}

}  // namespace

std::vector<ScheduledEvent> scheduleOutsideRaces(int fromDay, int toDay) {
    std::vector<ScheduledEvent> out;
    for (int year = civil(fromDay).y; year <= civil(toDay).y; ++year)
        for (const OutsideEvent& e : kEvents) {
            const int day = eventDay(e, year);
            if (day >= fromDay && day < toDay) out.push_back({day, &e});
        }
    std::stable_sort(out.begin(), out.end(),
                     [](const ScheduledEvent& a, const ScheduledEvent& b) { return a.day < b.day; });
    return out;
}

void runOutsideRace(World& world, const ScheduledEvent& scheduled, HorseNamer& names, Rng& rng) {
    const OutsideEvent& e = *scheduled.event;
    const int day = scheduled.day;
    const std::vector<std::uint32_t> ours = travellers(world, e, day, rng);
    if (ours.empty()) return;
    const Ymd c = civil(day);

    Race race;
    race.day = day;
    race.date = ymdFromDay(day);
    race.course = {e.course[0], e.course[1]};
    race.kaiji = e.venue == Venue::local ? c.m : 1;
    race.nichiji = e.venue == Venue::local ? (c.d - 1) / 7 + 1 : 1;
    race.raceNum = e.raceNum;
    race.youbi = youbiOf(day);
    race.venue = e.venue;
    race.surface = e.surface;
    race.age = e.age;
    race.cls = RaceClass::open;
    race.grade = e.grade;
    race.weightType = 4;
    race.distance = e.distance;
    race.trackCD = e.trackCD;
    race.name = utf8ToCp932(e.name);
    race.shortName = utf8ToCp932(e.short3);
    race.conditionName = conditionName(e.age, RaceClass::open, false);
    constexpr int kShares[] = {100, 40, 25, 15, 10};
    for (std::size_t i = 0; i < 5; ++i) race.prize[i] = e.prize / 100 * kShares[i];
    race.startTime = e.venue == Venue::local ? 2010 : 1640 + e.raceNum * 5;
    race.declared = race.starters = e.field;
    race.turfGoing = race.dirtGoing = static_cast<std::uint8_t>(rng.chance(0.8) ? 1 : 2);

    // The whole field runs; the home horses only lend their places.
    const int n = e.field;
    std::array<FieldRunner, kMaxField> field{};
    std::array<int, kMaxField> slotOf{};  // field index of horse number i + 1
    for (int i = 0; i < n; ++i) slotOf[static_cast<std::size_t>(i)] = i;
    for (int i = n - 1; i > 0; --i)
        std::swap(slotOf[static_cast<std::size_t>(i)], slotOf[static_cast<std::size_t>(rng.between(0, i))]);
    for (int i = 0; i < n; ++i) {
        FieldRunner& f = field[static_cast<std::size_t>(i)];
        if (i < static_cast<int>(ours.size())) {
            const Horse& h = world.horses[ours[static_cast<std::size_t>(i)]];
            f.strength = strengthFor(h, e.surface, e.distance, c.y, c.m);
            f.early = h.early;
        } else {
            f.strength = e.quality + rng.normal() * 0.45;
            f.early = rng.normal();
        }
    }
    const RaceShape shape{e.surface, e.distance, e.trackCD, race.turfGoing, RaceClass::open};
    const FieldSummary sum = runField(std::span(field.data(), static_cast<std::size_t>(n)), shape, false, rng);
    race.finishers = sum.finishers;
    race.winnerTime = sum.winnerTime;
    race.first3F = sum.first3F;
    race.last3F = sum.last3F;

    // A field index's horse of the world, or -1 for a home horse.
    const auto horseAt = [&](std::size_t slot) { return slot < ours.size() ? static_cast<int>(ours[slot]) : -1; };
    const std::size_t winner = sum.order[0], second = sum.order[1];
    const int jockeyPool = std::min<int>(20, static_cast<int>(world.jockeys.size()));
    const std::uint32_t raceIndex = static_cast<std::uint32_t>(world.races.size());
    std::array<int, kMaxField> homeName;  // name index of a home horse once it is needed
    homeName.fill(-1);
    race.firstRun = static_cast<int>(world.runs.size());
    for (int number = 1; number <= n; ++number) {
        const std::size_t slot = static_cast<std::size_t>(slotOf[static_cast<std::size_t>(number - 1)]);
        if (slot >= ours.size()) continue;
        Horse& h = world.horses[ours[slot]];
        const FieldRunner& f = field[slot];
        Run run;
        run.horse = ours[slot];
        run.race = raceIndex;
        run.jockey = static_cast<std::uint16_t>(rng.between(0, jockeyPool - 1));
        run.umaban = static_cast<std::uint8_t>(number);
        run.waku = static_cast<std::uint8_t>(bracketOf(number, n));
        run.age = static_cast<std::uint8_t>(racingAge(h, c.y));
        run.futan = static_cast<std::int16_t>(h.sex == 2 ? 555 : 570);
        run.bodyWeight = e.venue == Venue::local ? h.bodyWeight : 0;
        run.status = f.stopped ? RunStatus::stopped : RunStatus::ran;
        takeOutcome(run, f);
        run.prize = prizeShare(race.prize, run);
        run.timeDiff = run.position == 1  ? -(field[second].time - f.time)
                       : run.position > 0 ? f.time - field[winner].time
                                          : 0;
        const std::size_t rival = slot == winner ? second : winner;
        run.rivalHorse = horseAt(rival);
        if (run.rivalHorse < 0) {
            if (homeName[rival] < 0) {
                homeName[rival] = static_cast<int>(world.outsideNames.size());
                world.outsideNames.push_back(names.make().kana);
            }
            run.rivalName = homeName[rival];
        }
        world.runs.push_back(run);
        ++h.starts;
        h.readyDay = day + (e.venue == Venue::overseas ? rng.between(70, 120) : rng.between(28, 56));
        h.poorRuns = run.position >= 1 && run.position <= 5 ? 0 : h.poorRuns + 1;
    }
    race.runCount = static_cast<int>(world.runs.size()) - race.firstRun;
    world.races.push_back(std::move(race));
}

}  // namespace vantor::demo
