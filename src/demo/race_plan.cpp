#include "demo/race_plan.h"

#include "codes/calendar.h"
#include "demo/courses.h"
#include "demo/race_names.h"
#include "demo/rng.h"
#include "text/encoding.h"

namespace vantor::demo {
namespace {

using enum AgeGroup;
using enum RaceClass;

// Two-year-olds race from June, their maiden races from July.
bool twoYearOldsMaidens(const Ymd& c) { return c.m >= 7; }
bool threeYearMaidens(const Ymd& c) { return c.m < 9 || (c.m == 9 && c.d < 10); }
bool firstHalf(const Ymd& c) { return c.m <= 5; }

class Programme {
public:
    Programme(const Ymd& c, bool hasJump, Rng& rng) : c_(c), h1_(firstHalf(c)), hasJump_(hasJump), rng_(rng) {}

    RaceTerms race(int r) {
        RaceTerms s = pick(r);
        s.raceNum = r;
        return s;
    }

private:
    AgeGroup older() const { return h1_ ? fourUp : threeUp; }

    RaceTerms flat(AgeGroup age, RaceClass cls) {
        RaceTerms s;
        s.age = age;
        s.cls = cls;
        s.surface = rng_.chance(age == two ? 0.6 : 0.5) ? Surface::turf : Surface::dirt;
        return s;
    }
    RaceTerms jump(RaceClass cls) {
        RaceTerms s;
        s.age = older();
        s.cls = cls;
        s.surface = Surface::jump;
        return s;
    }
    static RaceTerms special(RaceTerms s, char grade = 'E') {
        s.special = true;
        s.grade = grade;
        return s;
    }
    RaceTerms youngMaiden() {
        if (h1_ || (threeYearMaidens(c_) && (!twoYearOldsMaidens(c_) || rng_.chance(0.5)))) return flat(three, maiden);
        return flat(two, maiden);
    }

    RaceTerms pick(int r) {
        switch (r) {
            case 1:
            case 2:
                return youngMaiden();
            case 3:
                if (h1_ && c_.m <= 2 && rng_.chance(0.4)) return flat(three, debut);
                return youngMaiden();
            case 4:
                if (hasJump_ && rng_.chance(0.55)) return jump(maiden);
                return h1_ ? flat(three, maiden) : flat(threeUp, win1);
            case 5:
                if (!h1_) return flat(two, debut);
                if (c_.m <= 3 && rng_.chance(0.7)) return flat(three, c_.m <= 2 && rng_.chance(0.3) ? unraced : debut);
                return flat(three, maiden);
            case 6:
                if (h1_) return flat(three, win1);
                if (c_.m <= 10) return flat(two, debut);
                return rng_.chance(0.5) ? flat(two, maiden) : flat(two, win1);
            case 7:
                return flat(older(), win1);
            case 8:
                if (hasJump_ && rng_.chance(0.15)) return jump(open);
                return flat(older(), rng_.chance(0.6) ? win1 : win2);
            case 9:
                if (h1_) return special(rng_.chance(0.5) ? flat(three, win1) : flat(older(), win2));
                if (c_.m >= 9 && rng_.chance(0.35)) return special(flat(two, win1));
                return special(flat(older(), rng_.chance(0.5) ? win1 : win2));
            case 10:
                return special(flat(older(), rng_.chance(0.6) ? win2 : win3));
            case 11:
                return mainRace();
            default:
                return flat(older(), rng_.chance(0.5) ? win1 : win2);
        }
    }

    // The day's main race when no stakes race falls on it.
    RaceTerms mainRace() {
        const double u = rng_.unit();
        if (!h1_ && c_.m >= 9 && u < 0.12) return special(flat(two, open));
        if (h1_ && u < 0.15) return special(flat(three, open));
        if (u < 0.40) return special(flat(older(), open), 'L');
        if (u < 0.65) return special(flat(older(), open));
        return special(flat(older(), win3));
    }

    Ymd c_;
    bool h1_;
    bool hasJump_;
    Rng& rng_;
};

RaceTerms fromStake(const Stake& s, int raceNum) {
    RaceTerms terms;
    terms.raceNum = raceNum;
    terms.age = s.age;
    terms.cls = open;
    terms.surface = s.surface;
    terms.fillies = s.fillies;
    terms.special = true;
    terms.grade = s.grade;
    terms.stake = &s;
    return terms;
}

constexpr AgeClass kSpringFallbacks[] = {{three, maiden}, {fourUp, win1}, {three, win1},
                                         {fourUp, win2},  {fourUp, win3}, {fourUp, open}};
constexpr AgeClass kSummerFallbacks[] = {{threeUp, win1}, {three, maiden}, {threeUp, win2},
                                         {two, debut},    {threeUp, win3}, {threeUp, open}};
constexpr AgeClass kAutumnFallbacks[] = {{threeUp, win1}, {two, maiden},   {threeUp, win2},
                                         {two, debut},    {threeUp, win3}, {threeUp, open}};
constexpr AgeClass kSpringJumpFallbacks[] = {{fourUp, maiden}, {fourUp, open}};
constexpr AgeClass kJumpFallbacks[] = {{threeUp, maiden}, {threeUp, open}};

// First prizes of ordinary races, units of 100 yen.
int basePrize(const RaceTerms& s) {
    if (s.stake) return s.stake->prize;
    if (s.surface == Surface::jump) return s.cls == open ? 180000 : 78000;
    int prize = 0;
    switch (s.cls) {
        case debut:
        case unraced:
            prize = 72000;
            break;
        case maiden:
            prize = 56000;
            break;
        case win1:
            prize = s.age == two || s.age == three ? 80000 : 84000;
            break;
        case win2:
            prize = 113000;
            break;
        case win3:
            prize = 157000;
            break;
        case open:
            prize = s.grade == 'L' ? 260000 : 230000;
            break;
    }
    return s.special ? prize / 1000 * 1100 : prize;
}

int roundTo(int value, int unit) { return (value + unit / 2) / unit * unit; }

int weightTypeOf(const RaceTerms& s, Rng& rng) {
    if (s.stake) return s.stake->weightType;
    if (s.surface == Surface::jump) return s.cls == open ? 2 : 4;
    if (s.age == two || s.age == three) return 3;
    if (!s.special) return 4;
    if (rng.chance(0.3)) return 1;
    return s.cls == open ? 2 : 4;
}

}  // namespace

bool threeYearOldMaidenRacesRun(int day) { return threeYearMaidens(civil(day)); }

std::array<RaceTerms, 12> planCourseDay(int course, int day, StakeBook& stakes, Rng& rng) {
    const Ymd c = civil(day);
    const JraCourse& jc = jraCourse(course);
    Programme programme(c, !jc.jump.empty(), rng);
    std::array<RaceTerms, 12> races;
    for (int r = 1; r <= 12; ++r) races[static_cast<std::size_t>(r - 1)] = programme.race(r);
    if (const Stake* s = stakes.find(course, day, false)) {
        races[10] = fromStake(*s, 11);
        stakes.markRun(*s, c.y);
    }
    if (const Stake* s = stakes.find(course, day, true)) {
        races[7] = fromStake(*s, 8);
        stakes.markRun(*s, c.y);
    }
    for (RaceTerms& s : races) chooseTrack(s, jc, rng);
    return races;
}

std::span<const AgeClass> fallbackClasses(int day, bool jump) {
    const Ymd c = civil(day);
    if (jump) return firstHalf(c) ? std::span<const AgeClass>(kSpringJumpFallbacks) : kJumpFallbacks;
    if (firstHalf(c)) return kSpringFallbacks;
    return threeYearMaidens(c) ? std::span<const AgeClass>(kSummerFallbacks) : kAutumnFallbacks;
}

void chooseTrack(RaceTerms& terms, const JraCourse& course, Rng& rng) {
    if (terms.stake) {
        if (const TrackOption* t = findTrack(course, terms.surface, terms.stake->distance)) {
            terms.distance = t->distance;
            terms.trackCD = t->trackCD;
            return;
        }
    }
    int maxDistance = 9999;
    if (terms.age == two) maxDistance = 2000;
    if (terms.age == three && terms.cls <= maiden) maxDistance = 2400;
    const TrackOption& t = drawTrack(course, terms.surface, 0, maxDistance, rng);
    terms.distance = t.distance;
    terms.trackCD = t.trackCD;
}

void describeRace(Race& race, const RaceTerms& terms, int course, int courseIndex, Rng& rng) {
    race.raceNum = terms.raceNum;
    race.age = terms.age;
    race.cls = terms.cls;
    race.surface = terms.surface;
    race.fillies = terms.fillies;
    race.grade = terms.grade;
    race.distance = static_cast<std::uint16_t>(terms.distance);
    race.trackCD = static_cast<std::uint8_t>(terms.trackCD);
    race.weightType = static_cast<std::uint8_t>(weightTypeOf(terms, rng));
    const bool jump = terms.surface == Surface::jump;
    race.conditionName = conditionName(terms.age, terms.cls, jump);
    if (terms.stake) {
        race.name = utf8ToCp932(terms.stake->name);
        race.shortName = utf8ToCp932(terms.stake->short3);
    } else if (terms.special) {
        race.name = specialRaceName(course, race.date / 100 % 100, terms.cls, jump, terms.grade, rng);
        race.shortName = shortForm(race.name, 6);
    } else {
        race.name = race.conditionName;
        race.shortName = conditionShort(terms.cls, jump);
    }
    const int first = basePrize(terms);
    constexpr int kShares[] = {100, 40, 25, 15, 10};
    race.prize = {};
    for (std::size_t i = 0; i < 5; ++i) race.prize[i] = roundTo(first * kShares[i] / 100, 10);
    race.added = {};
    if (terms.special) {
        race.added[0] = roundTo(first / 20, 10);
        race.added[1] = roundTo(race.added[0] * 2 / 7, 10);
        race.added[2] = roundTo(race.added[0] / 7, 10);
    }
    const int minutes = 10 * 60 + courseIndex * 10 + (terms.raceNum - 1) * 32;
    race.startTime = minutes / 60 * 100 + minutes % 60;
}

}  // namespace vantor::demo
