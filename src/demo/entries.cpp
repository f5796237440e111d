#include "demo/entries.h"

#include <algorithm>
#include <cmath>

#include "demo/courses.h"
#include "demo/field_result.h"
#include "demo/form.h"
#include "demo/riders.h"
#include "demo/rng.h"

namespace vantor::demo {
namespace {

constexpr int kMinField = 5;
constexpr int kFullField = 8;

bool gradedStakes(char grade) { return grade != ' ' && grade != 'E' && grade != 'L'; }

// 0 when the horse may not run in the race; else how readily it is
// entered, before surface, distance and waiting time are counted.
double eligibility(const PoolHorse& h, const RaceTerms& s) {
    if (h.entered) return 0;
    const int age = h.age;
    if (s.surface == Surface::jump) {
        if (!h.jumper || age < (s.age == AgeGroup::fourUp ? 4 : 3)) return 0;
        if (s.cls == RaceClass::maiden) return h.jumpClass == 0 ? 1 : 0;
        return h.jumpClass >= 1 ? 1 : s.stake ? 0 : 0.15;
    }
    if (h.jumper || (s.fillies && !h.mare)) return 0;
    switch (s.age) {
        case AgeGroup::two:
            if (age != 2) return 0;
            break;
        case AgeGroup::three:
            if (age != 3) return 0;
            break;
        case AgeGroup::threeUp:
            if (age < 3) return 0;
            break;
        case AgeGroup::fourUp:
            if (age < 4) return 0;
            break;
    }
    switch (s.cls) {
        case RaceClass::debut:
        case RaceClass::unraced:
            return h.debuted ? 0 : 1;
        case RaceClass::maiden:
            return h.classLevel != 0 ? 0 : h.debuted ? 1 : 0.3;
        case RaceClass::win1:
            return h.debuted && h.classLevel == 1 ? 1 : 0;
        case RaceClass::win2:
            return h.classLevel == 2 ? 1 : 0;
        case RaceClass::win3:
            return h.classLevel == 3 ? 1 : 0;
        case RaceClass::open:
            break;
    }
    if (s.age == AgeGroup::two) return h.classLevel >= 1 ? 1 : 0;
    if (s.age == AgeGroup::three) return h.classLevel >= 2 ? 1 : h.classLevel == 1 ? 0.35 : 0;
    return h.classLevel >= 4 ? 1 : h.classLevel == 3 ? 0.25 : 0;
}

double entryWeight(const PoolHorse& h, const RaceTerms& s, const JraCourse& course, int day) {
    double w = eligibility(h, s);
    if (w == 0) return 0;
    w *= suitability(h.turf, h.distance, s.surface, s.distance);
    w *= 1.0 + (day - h.readyDay) / 14.0;
    if (h.east != course.east) w *= 0.55;
    if (gradedStakes(s.grade)) w *= std::exp(1.4 * h.ability);
    if (s.grade == 'L') w *= std::exp(0.7 * h.ability);
    return w;
}

int countEligible(const RaceTerms& s, const DayPool& pool) {
    int n = 0;
    for (const PoolHorse& h : pool.ready) n += eligibility(h, s) > 0;
    return n;
}

// Falls back to the class of the day that has enough horses: the first
// with a full field, else the one with the most. A stakes race without
// enough horses becomes a special race of that class.
bool settleClass(RaceTerms& terms, const JraCourse& course, const DayPool& pool, Rng& rng) {
    if (countEligible(terms, pool) >= kMinField) return true;
    if (terms.stake) {
        terms.stake = nullptr;
        terms.fillies = false;
        terms.grade = 'E';
    }
    RaceTerms best = terms;
    int bestCount = 0;
    for (const AgeClass& ac : fallbackClasses(pool.day, terms.surface == Surface::jump)) {
        RaceTerms trial = terms;
        trial.age = ac.age;
        trial.cls = ac.cls;
        const int n = countEligible(trial, pool);
        if (n > bestCount) {
            best = trial;
            bestCount = n;
        }
        if (n >= kFullField) break;
    }
    if (bestCount < kMinField) return false;
    if (best.grade == 'L' && best.cls != RaceClass::open) best.grade = 'E';
    terms = best;
    chooseTrack(terms, course, rng);
    return true;
}

int targetField(const RaceTerms& s, Rng& rng) {
    if (s.surface == Surface::jump) return rng.between(8, 14);
    if (s.grade == 'A') return 18;
    if (gradedStakes(s.grade)) return rng.between(12, 18);
    switch (s.cls) {
        case RaceClass::debut:
            return rng.between(9, 18);
        case RaceClass::unraced:
            return rng.between(8, 14);
        case RaceClass::maiden:
            return rng.between(13, 18);
        case RaceClass::win1:
            return rng.between(11, 18);
        case RaceClass::win2:
            return rng.between(10, 16);
        default:
            return rng.between(9, 16);
    }
}

// Carried weight in tenths of a kilogram before any apprentice allowance.
int carriedWeight(const Race& race, const Horse& h, int age, int month) {
    const int mare = h.sex == 2 ? 20 : 0;
    if (race.surface == Surface::jump) return (age == 3 ? 590 : 600) - mare;
    if (race.age == AgeGroup::two) return 550 - mare / 2;
    if (race.age == AgeGroup::three) return 570 - mare;
    if (age == 3) return (month <= 9 ? 550 : 560) - mare;
    return 580 - mare;
}

}  // namespace

PoolHorse poolHorse(const Horse& h, std::uint32_t index, int year) {
    PoolHorse p;
    p.horse = index;
    p.age = static_cast<std::uint8_t>(racingAge(h, year));
    p.classLevel = h.classLevel;
    p.jumpClass = h.jumpClass;
    p.mare = h.sex == 2;
    p.jumper = h.jumper;
    p.debuted = h.debuted;
    p.east = h.tozai == 1;
    p.ability = h.ability;
    p.turf = h.turf;
    p.distance = h.distance;
    p.readyDay = h.readyDay;
    return p;
}

std::vector<std::uint32_t> chooseRunners(RaceTerms& terms, const JraCourse& course, DayPool& pool, Rng& rng) {
    if (!settleClass(terms, course, pool, rng)) return {};
    struct Candidate {
        std::size_t slot;  // in pool.ready
        double key;
    };
    std::vector<Candidate> candidates;
    for (std::size_t i = 0; i < pool.ready.size(); ++i) {
        const double w = entryWeight(pool.ready[i], terms, course, pool.day);
        // Weighted sampling without replacement: the largest log(u) / w win.
        if (w > 0) candidates.push_back({i, std::log(rng.unit() + 1e-300) / w});
    }
    const std::size_t n = std::min(candidates.size(), static_cast<std::size_t>(targetField(terms, rng)));
    std::nth_element(candidates.begin(), candidates.begin() + static_cast<std::ptrdiff_t>(n), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.key > b.key; });
    std::vector<std::uint32_t> chosen;
    for (std::size_t i = 0; i < n; ++i) {
        chosen.push_back(pool.ready[candidates[i].slot].horse);
        pool.ready[candidates[i].slot].entered = true;
    }
    return chosen;
}

int bracketOf(int umaban, int n) {
    if (n <= 8) return umaban;
    const int base = n / 8, extra = n % 8;
    // Brackets 1 .. 8-extra hold base horses each, the rest base + 1.
    const int small = (8 - extra) * base;
    if (umaban <= small) return (umaban - 1) / base + 1;
    return 8 - extra + (umaban - small - 1) / (base + 1) + 1;
}

void seatRunners(World& world, std::uint32_t raceIndex, std::span<const std::uint32_t> horses, CourseRiders& riders,
                 Rng& rng) {
    Race& race = world.races[raceIndex];
    const int n = static_cast<int>(horses.size());
    const int year = race.date / 10000, month = race.date / 100 % 100;
    std::vector<std::uint32_t> order(horses.begin(), horses.end());
    for (int i = n - 1; i > 0; --i)
        std::swap(order[static_cast<std::size_t>(i)], order[static_cast<std::size_t>(rng.between(0, i))]);

    std::vector<std::pair<double, int>> byStrength;
    for (int i = 0; i < n; ++i)
        byStrength.push_back(
            {-strengthFor(world.horses[order[static_cast<std::size_t>(i)]], race.surface, race.distance, year, month),
             i});
    std::sort(byStrength.begin(), byStrength.end());
    std::array<int, kMaxField> strongestFirst{};
    for (int k = 0; k < n; ++k)
        strongestFirst[static_cast<std::size_t>(k)] = byStrength[static_cast<std::size_t>(k)].second;
    std::array<std::uint16_t, kMaxField> riderOf{};
    riders.seat(world, std::span(strongestFirst.data(), static_cast<std::size_t>(n)), riderOf, rng);

    // Handicaps: the better the horse, the more it carries.
    std::vector<int> handicap(static_cast<std::size_t>(n), 0);
    for (int k = 0; k < n; ++k)
        handicap[static_cast<std::size_t>(byStrength[static_cast<std::size_t>(k)].second)] =
            std::max(490, 590 - k * 6) / 5 * 5;

    race.firstRun = static_cast<int>(world.runs.size());
    race.runCount = n;
    race.declared = n;
    for (int i = 0; i < n; ++i) {
        Horse& h = world.horses[order[static_cast<std::size_t>(i)]];
        const Jockey& jockey = world.jockeys[riderOf[static_cast<std::size_t>(i)]];
        Run run;
        run.horse = order[static_cast<std::size_t>(i)];
        run.race = raceIndex;
        run.jockey = riderOf[static_cast<std::size_t>(i)];
        run.umaban = static_cast<std::uint8_t>(i + 1);
        run.waku = static_cast<std::uint8_t>(bracketOf(i + 1, n));
        run.age = static_cast<std::uint8_t>(racingAge(h, year));
        int futan = carriedWeight(race, h, run.age, month);
        if (race.weightType == 1) futan = handicap[static_cast<std::size_t>(i)];
        if (race.weightType == 2) futan += 10 * std::min<int>(h.classLevel, 3);
        if (jockey.minarai != 0 && (race.grade == ' ' || (race.grade == 'E' && race.cls <= RaceClass::win2)))
            futan -= 10 * (jockey.minarai == 4 ? 2 : jockey.minarai);
        run.futan = static_cast<std::int16_t>(futan);
        run.firstStart = !h.debuted;
        const int weight = std::clamp(static_cast<int>(h.bodyWeight + std::lround(rng.normal() * 4)), 380, 600);
        run.weightChange = static_cast<std::int16_t>(run.firstStart ? 0 : weight - h.bodyWeight);
        run.bodyWeight = static_cast<std::int16_t>(weight);
        h.bodyWeight = static_cast<std::int16_t>(weight);
        world.runs.push_back(run);
    }
}

}  // namespace vantor::demo
