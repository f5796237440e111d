// On the three-year demo: the records of the five busiest jockeys,
// trainers and sires (each with a dead heat among its starts where the
// demo has one to give), by racecourse and by going, equal the figures
// counted from the store files themselves; careers list exactly the
// stored runs, and a card's last five runs are the five of the career
// before its race. The store is filed by `vantor-cli acquire` and the analysis
// database made by `vantor-cli stats`.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "codes/course_names.h"
#include "demo/demo_feed.h"
#include "raceday/day_loader.h"
#include "stats/horse_career.h"
#include "stats/person_record.h"
#include "store/day_list.h"
#include "store_runs.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace vantor::test {
namespace {

using namespace stats;

struct Counts {
    int starts = 0, wins = 0, places = 0;
    long long winPay = 0, placePay = 0;
};

class DemoRecords : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = new TempDir;
        demo::DemoOptions options;
        options.out = *dir / "feed";
        options.toDate = 20240527;
        options.years = 3;
        const auto made = demo::generateDemoFeed(options);
        ASSERT_TRUE(made.ok()) << made.error;
        const std::string from = std::to_string(made.summary.firstDate);
        const std::string cli = std::string(VANTOR_CLI) + " --app-dir " + shellWord(app().string());
        ASSERT_EQ(runCommand(cli + " acquire --setup --feed " + shellWord(options.out.string()) + " --from \"" +
                             from.substr(0, 4) + "/" + from.substr(4, 2) + "/" + from.substr(6, 2) + " 00:00:00\"")
                      .status,
                  0);
        runs = new std::vector<StoreRun>(dayFileRuns(StorePaths(app())));
        ASSERT_FALSE(runs->empty());
        // The command brings the analysis database up to date before it answers.
        const auto answered = runCommand(cli + " stats --jockey " + runs->front().jockey);
        ASSERT_EQ(answered.status, 0);
        ASSERT_TRUE(std::filesystem::exists(app() / "analysis.sqlite"));
    }
    static void TearDownTestSuite() {
        delete runs;
        delete dir;
    }
    static std::filesystem::path app() { return *dir / "app"; }

    void SetUp() override {
        auto opened = StatsDb::open(app() / "analysis.sqlite");
        ASSERT_TRUE(std::holds_alternative<StatsDb>(opened)) << std::get<std::string>(opened);
        db.emplace(std::move(std::get<StatsDb>(opened)));
    }

    // The whole stored period.
    static RecordFilter wholeStore() {
        RecordFilter filter;
        for (const auto& run : *runs) {
            filter.from = filter.from == 0 ? run.date : std::min(filter.from, run.date);
            filter.to = std::max(filter.to, run.date);
        }
        return filter;
    }

    static inline TempDir* dir = nullptr;
    static inline std::vector<StoreRun>* runs = nullptr;
    std::optional<StatsDb> db;
};

using SubjectOf = std::function<std::string(const StoreRun&)>;

// The four busiest subjects by starts, and the busiest of the others that
// had a start in a dead heat (the fifth busiest when none did).
std::vector<std::string> chosenSubjects(const std::vector<StoreRun>& runs, const SubjectOf& subjectOf) {
    std::map<std::string, int> starts;
    std::set<std::string> deadHeats;
    for (const auto& run : runs) {
        const std::string who = subjectOf(run);
        if (who.empty() || !run.started()) continue;
        ++starts[who];
        if (run.deadHeat) deadHeats.insert(who);
    }
    std::vector<std::pair<int, std::string>> busiest;
    for (const auto& [who, n] : starts) busiest.emplace_back(-n, who);
    std::sort(busiest.begin(), busiest.end());
    std::vector<std::string> chosen;
    for (std::size_t i = 0; i < busiest.size() && chosen.size() < 4; ++i) chosen.push_back(busiest[i].second);
    const auto fifth = std::find_if(busiest.begin() + static_cast<long>(chosen.size()), busiest.end(),
                                    [&](const auto& b) { return deadHeats.contains(b.second); });
    if (fifth != busiest.end())
        chosen.push_back(fifth->second);
    else if (busiest.size() > 4)
        chosen.push_back(busiest[4].second);
    return chosen;
}

// The counts of one subject's starts, grouped by groupOf.
std::map<SjisString, Counts> countedFromStore(const std::vector<StoreRun>& runs, const SubjectOf& subjectOf,
                                              const std::string& who,
                                              const std::function<SjisString(const StoreRun&)>& groupOf) {
    std::map<SjisString, Counts> groups;
    for (const auto& run : runs) {
        if (subjectOf(run) != who || !run.started()) continue;
        Counts& c = groups[groupOf(run)];
        ++c.starts;
        c.wins += run.finish == 1;
        c.places += run.finish >= 1 && run.finish <= 3;
        c.winPay += run.winPay;
        c.placePay += run.placePay;
    }
    return groups;
}

void expectSameFigures(const PersonRecord& record, const std::map<SjisString, Counts>& expected) {
    std::map<SjisString, Counts> got;
    for (const auto& row : record.rows) {
        const Tally& t = row.tally;
        got[row.label] = {t.starts, t.wins(), t.topThree(), t.winReturn, t.placeReturn};
        const Counts& e = expected.contains(row.label) ? expected.at(row.label) : Counts{};
        EXPECT_DOUBLE_EQ(t.winReturnRate(), e.starts == 0 ? 0 : static_cast<double>(e.winPay) / e.starts);
        EXPECT_DOUBLE_EQ(t.placeReturnRate(), e.starts == 0 ? 0 : static_cast<double>(e.placePay) / e.starts);
    }
    ASSERT_EQ(got.size(), expected.size()) << record.subject.code;
    for (const auto& [label, e] : expected) {
        const Counts& g = got[label];
        SCOPED_TRACE(record.subject.code + " " + label.bytes());
        EXPECT_EQ(g.starts, e.starts);
        EXPECT_EQ(g.wins, e.wins);
        EXPECT_EQ(g.places, e.places);
        EXPECT_EQ(g.winPay, e.winPay);
        EXPECT_EQ(g.placePay, e.placePay);
    }
}

TEST_F(DemoRecords, JockeysTrainersAndSiresByCourseAndGoingEqualTheStoreFiles) {
    std::map<std::string, std::string> sires;  // horse, sire id
    const StorePaths paths(app());
    for (const auto& run : *runs)
        if (!sires.contains(run.horse)) sires[run.horse] = sireOf(paths, run.horse);
    const std::pair<SubjectKind, SubjectOf> kinds[] = {
        {SubjectKind::jockey, [](const StoreRun& r) { return r.jockey; }},
        {SubjectKind::trainer, [](const StoreRun& r) { return r.trainer; }},
        {SubjectKind::sire, [&sires](const StoreRun& r) { return sires.at(r.horse); }},
    };
    const auto byCourse = [](const StoreRun& r) { return SjisString(CourseName(r.course, 2).value_or(SjisString())); };
    const auto byGoing = [](const StoreRun& r) { return r.going == 0 ? SjisString("-") : goingName(r.going); };
    int deadHeats = 0, scratches = 0;
    for (const auto& [kind, subjectOf] : kinds) {
        const auto chosen = chosenSubjects(*runs, subjectOf);
        ASSERT_EQ(chosen.size(), 5u);
        for (const std::string& who : chosen) {
            const Subject subject{kind, who, {}};
            expectSameFigures(personRecord(*db, subject, wholeStore(), Dimension::course),
                              countedFromStore(*runs, subjectOf, who, byCourse));
            expectSameFigures(personRecord(*db, subject, wholeStore(), Dimension::going),
                              countedFromStore(*runs, subjectOf, who, byGoing));
            for (const auto& run : *runs) {
                if (subjectOf(run) != who) continue;
                deadHeats += run.deadHeat && run.started();
                scratches += !run.started();
            }
        }
    }
    // The cases that count differently are among the runs compared.
    EXPECT_GT(deadHeats, 0);
    EXPECT_GT(scratches, 0);
}

TEST_F(DemoRecords, CareersListExactlyTheStoredRunsNewestFirstAndTheirTotalsAddUp) {
    // The horse with the most runs, one with a scratched run and one with a dead heat.
    std::map<std::string, int> runCount;
    std::string scratched, deadHeat;
    for (const auto& run : *runs) {
        ++runCount[run.horse];
        if (!run.started() && scratched.empty()) scratched = run.horse;
        if (run.deadHeat && deadHeat.empty()) deadHeat = run.horse;
    }
    const auto busiest = std::max_element(runCount.begin(), runCount.end(),
                                          [](const auto& a, const auto& b) { return a.second < b.second; });
    const StorePaths paths(app());
    for (const std::string& horse : {busiest->first, scratched, deadHeat}) {
        ASSERT_FALSE(horse.empty());
        SCOPED_TRACE(horse);
        const auto career = horseCareer(*db, {SubjectKind::horse, horse, {}});
        std::vector<std::string> keys;
        int started = 0;
        for (const auto& run : career.runs) {
            keys.push_back(run.raceKey);
            started += run.started;
        }
        EXPECT_EQ(keys, careerKeys(paths, horse, *runs));
        EXPECT_EQ(career.total.starts, started);
        for (const auto& [by, rows] : career.totals) {
            int starts = 0, wins = 0, places = 0;
            for (const auto& row : rows) {
                starts += row.tally.starts;
                wins += row.tally.wins();
                places += row.tally.topThree();
            }
            EXPECT_EQ(starts, career.total.starts);
            EXPECT_EQ(wins, career.total.wins());
            EXPECT_EQ(places, career.total.topThree());
        }
    }
}

// The card's last five runs of a runner (the race model's earlier runs),
// race keys newest first.
std::vector<std::string> cardRunKeys(const TRaceRec& race, std::size_t runner) {
    std::vector<std::string> keys;
    for (std::size_t k = 1; k <= 5; ++k) {
        const SjisView key = race.RunKey[runner][k].view();
        if (!key.empty()) keys.emplace_back(key.bytes());
    }
    return keys;
}

// The first five runs of the career that come before the race's day.
std::vector<std::string> careerRunKeysBefore(const HorseCareer& career, int date) {
    std::vector<std::string> keys;
    for (const auto& run : career.runs)
        if (run.date < date && keys.size() < 5) keys.push_back(run.raceKey);
    return keys;
}

TEST_F(DemoRecords, ACardsLastFiveRunsAreTheFiveOfTheCareerBeforeItsRace) {
    // The newest day and two older ones (their runners have later runs);
    // every runner of each day's first two races.
    const StorePaths paths(app());
    const std::vector<std::string> days = listRaceDays(paths);
    ASSERT_GE(days.size(), 3u);
    auto day = RaceDay::create();
    DayLoader loader(paths);
    int compared = 0, withFive = 0, withLater = 0;
    for (const std::string& name : {days.front(), days[days.size() / 2], days[days.size() / 4]}) {
        SCOPED_TRACE(name);
        ASSERT_EQ(loader.load(name, *day).status, DayLoadResult::Status::loaded);
        for (int r = 0; r < std::min(2, day->RaceCount); ++r) {
            const TRaceRec& race = day->RaceTbl[static_cast<std::size_t>(r)];
            const int date = lenientInt(race.RaceKey.view().substr(0, 8));
            for (std::size_t j = 0; j < kMaxRunners; ++j) {
                const std::string horse(trimBlanks(race.KettoNum[j].view()).bytes());
                if (horse.empty()) continue;
                SCOPED_TRACE(horse);
                const auto career = horseCareer(*db, {SubjectKind::horse, horse, {}});
                const auto card = cardRunKeys(race, j);
                EXPECT_EQ(card, careerRunKeysBefore(career, date));
                ++compared;
                withFive += card.size() == 5;
                withLater += !career.runs.empty() && career.runs.front().date > date;
            }
        }
    }
    // Runners with a full five and with runs after the day are among them.
    EXPECT_GT(compared, 20);
    EXPECT_GT(withFive, 0);
    EXPECT_GT(withLater, 0);
}

}  // namespace
}  // namespace vantor::test
