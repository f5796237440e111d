#include "demo/population.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "codes/calendar.h"
#include "demo/horse_names.h"
#include "demo/people_names.h"
#include "demo/rng.h"

namespace vantor::demo {
namespace {

constexpr int kTrainersPerCentre = 100;
constexpr int kJockeys = 140;
constexpr int kForeignJockeys = 4;
constexpr int kApprentices = 16;
constexpr int kOwners = 500;
constexpr int kBreeders = 150;
constexpr int kForeignBreeders = 12;
constexpr int kStallions = 70;
constexpr int kFoundationSires = 30;
// How much a horse gains from the stable it is trained in and from its sire,
// on the scale of Horse::ability: the biggest stables and the most popular
// stallions are the best ones, give or take.
constexpr double kStableEdge = 1.4;
constexpr double kSireEdge = 1.1;
constexpr double kEdgeNoise = 0.12;
// Jockeys' skill (Jockey::skill): the visiting stars' lowest and its range,
// the home riders' spread and how much of it lies below the middle, the
// apprentices' lowest and range.
constexpr double kForeignSkill = 1.1;
constexpr double kForeignSkillRange = 0.4;
constexpr double kJockeySpread = 0.35;
constexpr double kBelowMiddle = 0.3;
constexpr double kApprenticeSkill = -0.15;
constexpr double kApprenticeSkillRange = 0.3;
constexpr std::int64_t kSireIdBase = 1100000000;
constexpr std::int64_t kMareIdBase = 1200000000;

// Share of a crop still in training at each age from 3 on when the feed
// begins.
constexpr double kRemainingAtAge[] = {0.9, 0.55, 0.42, 0.28, 0.15, 0.06};

// Coat colours "01".."11" and horse symbols, by how often they occur.
constexpr int kCoatWeights[] = {250, 10, 400, 180, 70, 20, 60, 3, 3, 2, 2};
constexpr std::uint8_t kSymbols[] = {0, 3, 4, 6, 1, 5, 26};
constexpr int kSymbolWeights[] = {800, 50, 50, 60, 20, 10, 10};

bool foreignBred(std::uint8_t symbol) { return symbol == 6 || symbol == 26; }

// Draws index i of n with weight 1 / (i + offset): a few big stables and
// owners, many small ones.
class Skewed {
public:
    Skewed(int n, double offset) : cumulative_(static_cast<std::size_t>(n)) {
        double total = 0;
        for (int i = 0; i < n; ++i) cumulative_[static_cast<std::size_t>(i)] = total += 1.0 / (i + offset);
    }
    int draw(Rng& rng) const {
        const double r = rng.unit() * cumulative_.back();
        return static_cast<int>(std::upper_bound(cumulative_.begin(), cumulative_.end(), r) - cumulative_.begin());
    }

private:
    std::vector<double> cumulative_;
};

class Builder {
public:
    Builder(World& world, const PopulationPlan& plan, Rng& rng)
        : w_(world),
          plan_(plan),
          rng_(rng),
          people_(rng.next()),
          names_(rng.next()),
          owners_(kOwners, 4.0),
          breeders_(kBreeders, 3.0),
          stablePick_(kTrainersPerCentre, 30.0),
          stallionPick_(kStallions, 6.0) {}

    void build() {
        makePeople();
        makeSires();
        const Ymd first = civil(plan_.firstDay);
        const Ymd last = civil(plan_.lastDay);
        for (int age = 3; age < 3 + static_cast<int>(std::size(kRemainingAtAge)); ++age)
            for (int i = 0; i < plan_.cropSize * kRemainingAtAge[age - 3]; ++i) makeRacedHorse(first.y - age, age);
        for (int year = first.y - 2; year <= last.y - 2; ++year)
            for (int i = 0; i < plan_.cropSize; ++i) makeYoungster(year);
    }

private:
    void makePeople() {
        for (int centre = 1; centre <= 2; ++centre)
            for (int i = 0; i < kTrainersPerCentre; ++i) {
                w_.trainers.push_back({1000 + static_cast<int>(w_.trainers.size()) * 7, people_.shortName(),
                                       static_cast<std::uint8_t>(centre)});
                stableEdge_.push_back(edge(kStableEdge, i, kTrainersPerCentre));
            }
        for (int i = 0; i < kJockeys; ++i) {
            Jockey j;
            j.code = 1000 + i * 3;
            j.name = i < kForeignJockeys ? people_.foreignShortName() : people_.shortName();
            j.tozai = static_cast<std::uint8_t>(1 + i % 2);
            const bool apprentice = i >= kJockeys - kApprentices;
            if (apprentice) j.minarai = static_cast<std::uint8_t>(1 + (i % 4));
            j.skill = jockeySkill(i < kForeignJockeys, apprentice);
            w_.jockeys.push_back(std::move(j));
        }
        for (int i = 0; i < kOwners; ++i)
            w_.owners.push_back({100001 + i * 13, people_.ownerName(), people_.colours()});
        for (int i = 0; i < kBreeders + kForeignBreeders; ++i)
            w_.breeders.push_back({373001 + i * 11, people_.breederName(), people_.birthplace(i >= kBreeders)});
    }

    // A few visiting stars well ahead; the home riders spread above the
    // middle (the leaders among them) far more than below it, where the
    // journeymen and the apprentices, who carry less weight, are close to
    // one another.
    float jockeySkill(bool foreign, bool apprentice) {
        const double spread = rng_.normal() * kJockeySpread;
        if (foreign) return static_cast<float>(kForeignSkill + rng_.unit() * kForeignSkillRange);
        if (apprentice) return static_cast<float>(kApprenticeSkill + rng_.unit() * kApprenticeSkillRange);
        return static_cast<float>(spread < 0 ? spread * kBelowMiddle : spread);
    }

    std::uint32_t ancestor(bool sire) {
        const HorseName name = names_.make();
        const std::int64_t id = (sire ? kSireIdBase : kMareIdBase) + static_cast<std::int64_t>(w_.ancestors.size());
        w_.ancestors.push_back({name.kana, id});
        return static_cast<std::uint32_t>(w_.ancestors.size() - 1);
    }

    std::uint32_t addLine(const Line& line) {
        w_.lines.push_back(line);
        return static_cast<std::uint32_t>(w_.lines.size() - 1);
    }

    // Stallions and the sires behind them; the grandsires' own parents are
    // the same wherever a grandsire appears.
    void makeSires() {
        std::vector<std::array<std::uint32_t, 3>> foundation;  // self, sire, dam
        for (int i = 0; i < kFoundationSires; ++i)
            foundation.push_back({ancestor(true), ancestor(true), ancestor(false)});
        for (int i = 0; i < kStallions; ++i) {
            const auto& f = foundation[static_cast<std::size_t>(rng_.between(0, kFoundationSires - 1))];
            const auto& g = foundation[static_cast<std::size_t>(rng_.between(0, kFoundationSires - 1))];
            stallions_.push_back(addLine({ancestor(true), f[0], ancestor(false), f[1], f[2], g[0], ancestor(false)}));
            sireEdge_.push_back(edge(kSireEdge, i, kStallions));
        }
    }

    // From +top for the first of n (the biggest stable, the most popular
    // stallion) down to -top for the last, with a little noise.
    float edge(double top, int i, int n) {
        return static_cast<float>(top * (1 - 2.0 * i / (n - 1)) + rng_.normal() * kEdgeNoise);
    }

    std::size_t stallion() { return static_cast<std::size_t>(stallionPick_.draw(rng_)); }

    // Most foals have a dam of their own in the feed; some are siblings.
    std::uint32_t dam() {
        if (!mares_.empty() && rng_.chance(0.25))
            return mares_[static_cast<std::size_t>(rng_.between(0, static_cast<int>(mares_.size()) - 1))];
        const Line& damsire = w_.lines[stallions_[stallion()]];
        const Line& other = w_.lines[stallions_[stallion()]];
        mares_.push_back(
            addLine({ancestor(false), damsire[0], ancestor(false), damsire[1], damsire[2], other[0], ancestor(false)}));
        return mares_.back();
    }

    Horse& newHorse(int birthYear) {
        Horse h;
        int& serial = serials_[birthYear];
        h.id = static_cast<std::int64_t>(birthYear) * 1000000 + 100000 + ++serial;
        const HorseName name = names_.make();
        h.name = name.kana;
        h.nameEng = name.roman;
        const int month = 2 + static_cast<int>(rng_.weighted(std::span<const int>(std::array{10, 35, 40, 15})));
        h.birthDate = birthYear * 10000 + month * 100 + rng_.between(1, 28);
        h.damLine = dam();
        // No stallion covers his own daughter.
        std::size_t sire = 0;
        do sire = stallion();
        while (w_.lines[stallions_[sire]][0] == w_.lines[h.damLine][1]);
        h.sireLine = stallions_[sire];
        h.tozai = static_cast<std::uint8_t>(rng_.between(1, 2));
        h.trainer = static_cast<std::uint16_t>((h.tozai - 1) * kTrainersPerCentre + stablePick_.draw(rng_));
        h.owner = static_cast<std::uint16_t>(owners_.draw(rng_));
        h.sex = static_cast<std::uint8_t>(rng_.chance(0.52) ? 1 : 2);
        h.coat = static_cast<std::uint8_t>(1 + rng_.weighted(kCoatWeights));
        h.symbol = kSymbols[rng_.weighted(kSymbolWeights)];
        h.breeder = static_cast<std::uint16_t>(foreignBred(h.symbol) ? kBreeders + rng_.between(0, kForeignBreeders - 1)
                                                                     : breeders_.draw(rng_));
        h.ability = static_cast<float>(rng_.normal() + stableEdge_[h.trainer] + sireEdge_[sire]);
        const double style = rng_.unit();
        h.turf = static_cast<float>(style < 0.45   ? 0.75 + rng_.unit() * 0.25
                                    : style < 0.85 ? rng_.unit() * 0.25
                                                   : 0.3 + rng_.unit() * 0.4);
        h.distance = static_cast<float>(std::clamp(1700 + rng_.normal() * 380, 1000.0, 3200.0));
        h.early = static_cast<float>(rng_.normal());
        h.bodyWeight = static_cast<std::int16_t>((h.sex == 2 ? 452 : 478) + rng_.normal() * 22);
        h.regDate = ymdFromDay(dayNumber(birthYear + 2, 3, 1) + rng_.between(0, 120));
        w_.horses.push_back(std::move(h));
        return w_.horses.back();
    }

    // A horse that has raced before the feed begins.
    void makeRacedHorse(int birthYear, int age) {
        Horse& h = newHorse(birthYear);
        h.regDate = birthYear * 10000 + 20000 + 301;
        h.debuted = true;
        if (age >= 4 && h.sex == 1 && rng_.chance(0.12)) h.sex = 3;
        if (age == 3) {
            h.classLevel = static_cast<std::uint8_t>(rng_.weighted(std::span<const int>(std::array{55, 28, 10, 4, 3})));
        } else {
            h.classLevel =
                static_cast<std::uint8_t>(1 + rng_.weighted(std::span<const int>(std::array{30, 28, 18, 24})));
            if (rng_.chance(0.07)) {
                h.jumper = true;
                h.jumpClass = static_cast<std::uint8_t>(rng_.between(0, 1));
            }
        }
        // Better horses have climbed further.
        h.ability = static_cast<float>(h.ability * 0.7 + (h.classLevel - 1.5) * 0.45);
        h.readyDay = plan_.firstDay + rng_.between(0, 56);
    }

    // A horse of a crop that makes its debut in the feed: ready from the
    // summer of its second year, a few not before the next spring.
    void makeYoungster(int birthYear) {
        Horse& h = newHorse(birthYear);
        const int june = dayNumber(birthYear + 2, 6, 1);
        h.readyDay = june + static_cast<int>(300 * std::pow(rng_.unit(), 1.6));
        if (h.readyDay < plan_.firstDay) h.readyDay = plan_.firstDay + rng_.between(0, 40);
        h.regDate = ymdFromDay(std::min(h.readyDay - 30, dayFromYmd(h.regDate)));
    }

    World& w_;
    const PopulationPlan& plan_;
    Rng& rng_;
    PeopleNamer people_;
    HorseNamer names_;
    Skewed owners_, breeders_, stablePick_, stallionPick_;
    std::vector<std::uint32_t> stallions_, mares_;
    std::vector<float> stableEdge_, sireEdge_;  // by trainer, by stallion
    std::map<int, int> serials_;
};

}  // namespace

void populate(World& world, const PopulationPlan& plan, Rng& rng) { Builder(world, plan, rng).build(); }

}  // namespace vantor::demo
