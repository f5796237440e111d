#include "demo/season.h"

#include <algorithm>
#include <array>

#include "codes/calendar.h"
#include "demo/career.h"
#include "demo/courses.h"
#include "demo/entries.h"
#include "demo/horse_names.h"
#include "demo/jra_race.h"
#include "demo/outside_races.h"
#include "demo/population.h"
#include "demo/race_plan.h"
#include "demo/riders.h"
#include "demo/rng.h"

namespace vantor::demo {
namespace {

struct Going {
    std::uint8_t weather, turf, dirt;
};

// Weather codes 1 fine, 2 cloudy, 3 rain, 4 drizzle, 5 snow, 6 light snow;
// going 1 good .. 4 heavy, wetter on wet days.
Going dayGoing(int month, Rng& rng) {
    const bool winter = month == 12 || month <= 3;
    const int weather = 1 + static_cast<int>(rng.weighted(std::array{45, 33, 9, 9, winter ? 1 : 0, winter ? 3 : 0}));
    static constexpr std::array<std::array<int, 4>, 4> kTurf = {
        {{85, 12, 3, 0}, {5, 30, 40, 25}, {25, 45, 25, 5}, {10, 40, 35, 15}}};
    static constexpr std::array<std::array<int, 4>, 4> kDirt = {
        {{80, 15, 4, 1}, {0, 25, 40, 35}, {15, 45, 30, 10}, {5, 35, 40, 20}}};
    const std::size_t row = weather <= 2 ? 0 : weather == 3 ? 1 : weather == 4 ? 2 : 3;
    return {static_cast<std::uint8_t>(weather), static_cast<std::uint8_t>(1 + rng.weighted(kTurf[row])),
            static_cast<std::uint8_t>(1 + rng.weighted(kDirt[row]))};
}

class Simulation {
public:
    Simulation(World& world, const SeasonPlan& plan)
        : w_(world),
          plan_(plan),
          rng_(plan.seed),
          raceRng_(rng_.split()),
          outsideRng_(rng_.split()),
          outsideNames_(rng_.next()) {}

    void run(const std::function<void(int, int)>& progress) {
        const auto& days = w_.calendar.days;
        if (days.empty()) return;
        Rng popRng = rng_.split();
        populate(w_, {days.front().day, days.back().day, plan_.cropSize}, popRng);
        events_ = scheduleOutsideRaces(days.front().day, std::min(plan_.outsideUntil, days.back().day + 1));
        const int total = static_cast<int>(days.size());
        for (int i = 0; i < total; ++i) {
            raceDay(days[static_cast<std::size_t>(i)]);
            if (progress) progress(i + 1, total);
        }
    }

private:
    struct Planned {
        RaceTerms terms;
        int courseIndex = 0;
        std::vector<std::uint32_t> runners;
    };

    void raceDay(const RaceDay& rd) {
        while (nextEvent_ < events_.size() && events_[nextEvent_].day <= rd.day)
            runOutsideRace(w_, events_[nextEvent_++], outsideNames_, outsideRng_);

        const Ymd c = civil(rd.day);
        DayPool pool{rd.day, {}};
        for (std::uint32_t i = 0; i < w_.horses.size(); ++i) {
            Horse& h = w_.horses[i];
            if (h.retireDay != 0 || h.readyDay > rd.day || leavesMaidenRanks(h, rd.day, raceRng_)) continue;
            pool.ready.push_back(poolHorse(h, i, c.y));
        }

        std::vector<Planned> planned;
        for (int ci = 0; ci < rd.courseCount; ++ci)
            for (const RaceTerms& terms :
                 planCourseDay(rd.courses[static_cast<std::size_t>(ci)].course, rd.day, stakes_, raceRng_))
                planned.push_back({terms, ci, {}});
        // Stakes races take their pick first, then the special races, then the rest.
        std::vector<std::size_t> byPriority(planned.size());
        for (std::size_t i = 0; i < planned.size(); ++i) byPriority[i] = i;
        const auto rank = [&](std::size_t i) { return planned[i].terms.stake ? 0 : planned[i].terms.special ? 1 : 2; };
        std::stable_sort(byPriority.begin(), byPriority.end(),
                         [&](std::size_t a, std::size_t b) { return rank(a) < rank(b); });
        for (std::size_t i : byPriority) {
            Planned& p = planned[i];
            const JraCourse& course = jraCourse(rd.courses[static_cast<std::size_t>(p.courseIndex)].course);
            p.runners = chooseRunners(p.terms, course, pool, raceRng_);
        }

        auto riders = dayRiders(w_, rd, raceRng_);
        std::array<Going, 3> going{};
        for (int ci = 0; ci < rd.courseCount; ++ci) going[static_cast<std::size_t>(ci)] = dayGoing(c.m, raceRng_);
        for (const Planned& p : planned) {
            if (p.runners.empty()) continue;
            const CourseDay& cd = rd.courses[static_cast<std::size_t>(p.courseIndex)];
            const Going& g = going[static_cast<std::size_t>(p.courseIndex)];
            Race race;
            race.day = rd.day;
            race.date = rd.date;
            const std::string_view code = jraCourse(cd.course).code;
            race.course = {code[0], code[1]};
            race.kaiji = cd.kaiji;
            race.nichiji = cd.nichiji;
            race.youbi = rd.youbi;
            race.weather = g.weather;
            race.turfGoing = g.turf;
            race.dirtGoing = g.dirt;
            describeRace(race, p.terms, cd.course, p.courseIndex, raceRng_);
            const auto index = static_cast<std::uint32_t>(w_.races.size());
            w_.races.push_back(std::move(race));
            seatRunners(w_, index, p.runners, riders[static_cast<std::size_t>(p.courseIndex)], raceRng_);
            runJraRace(w_, index, raceRng_);
            const Race& done = w_.races[index];
            for (int r = 0; r < done.runCount; ++r) {
                const Run& run = w_.runs[static_cast<std::size_t>(done.firstRun + r)];
                afterRun(w_.horses[run.horse], done, run, raceRng_);
            }
        }
    }

    World& w_;
    const SeasonPlan& plan_;
    Rng rng_, raceRng_, outsideRng_;
    HorseNamer outsideNames_;
    StakeBook stakes_;
    std::vector<ScheduledEvent> events_;
    std::size_t nextEvent_ = 0;
};

}  // namespace

void simulateSeasons(World& world, const SeasonPlan& plan, const std::function<void(int, int)>& progress) {
    Simulation(world, plan).run(progress);
}

}  // namespace vantor::demo
