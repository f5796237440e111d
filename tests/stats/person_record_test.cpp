// A jockey's record on hand-made races: what counts as a start, what a
// dead heat pays, the default twelve months, the filters and breakdowns,
// finding people by code and name, and the database the records read.

#include "stats/person_record.h"

#include <gtest/gtest.h>

#include "hand_made_records.h"
#include "stats/horse_career.h"
#include "text/sjis_literal.h"

namespace vantor::test {
namespace {

using namespace stats;

RecordFilter period(int from, int to) {
    RecordFilter filter;
    filter.from = from;
    filter.to = to;
    return filter;
}

class HandRecord : public ::testing::Test {
protected:
    ExportStore store;
    StatsDb db = [this] {
        fillHandRides(store);
        return exportedStatsDb(store);
    }();
    const Subject jockey{SubjectKind::jockey, kJockey, sjis("手作騎手")};
};

TEST_F(HandRecord, StartsLeaveOutScratchedExcludedAndCardEntriesAndADeadHeatWinsForEach) {
    const auto record = personRecord(db, jockey, {}, Dimension::course);
    // Twelve months up to the newest race day (the card of 06-01 is a stored race too).
    EXPECT_EQ(record.filter.from, 20230602);
    EXPECT_EQ(record.filter.to, 20240601);

    const auto all = personRecord(db, jockey, period(20230101, 20241231), Dimension::course);
    // The dead heat, the pulled-up horse, the dirt 3rd and the two rides of 2023.
    EXPECT_EQ(all.total.starts, 5);
    EXPECT_EQ(all.total.placed, (std::array<int, 3>{2, 1, 1}));
    EXPECT_EQ(all.total.unplaced(), 1);
    EXPECT_EQ(all.total.winReturn, kDeadHeatWinPay + 150);
    EXPECT_EQ(all.total.placeReturn, kDeadHeatPlacePay + 400 + 300 + 200);
    EXPECT_DOUBLE_EQ(all.total.winRate(), 40);
    EXPECT_DOUBLE_EQ(all.total.topTwoRate(), 60);
    EXPECT_DOUBLE_EQ(all.total.topThreeRate(), 80);
    EXPECT_DOUBLE_EQ(all.total.winReturnRate(), (kDeadHeatWinPay + 150) / 5.0);

    // The dead heat's other horse wins too, and takes its own payout.
    const auto rival = personRecord(db, {SubjectKind::jockey, kDeadHeatRival, {}}, {}, Dimension::course);
    EXPECT_EQ(rival.total.starts, 1);
    EXPECT_EQ(rival.total.wins(), 1);
    EXPECT_EQ(rival.total.winReturn, kRivalWinPay);
}

TEST_F(HandRecord, TheDefaultPeriodStartsTheDayAfterTheSameDateAYearBefore) {
    const auto record = personRecord(db, jockey, period(0, 20240526), Dimension::month);
    EXPECT_EQ(record.filter.from, 20230527);
    ASSERT_EQ(record.rows.size(), 2u);
    EXPECT_EQ(record.rows[0].label, "2023-05"_sjis);
    EXPECT_EQ(record.rows[0].tally.starts, 1);  // 05-27 in, 05-26 out
    EXPECT_EQ(record.rows[1].label, "2024-05"_sjis);
    EXPECT_EQ(record.rows[1].tally.starts, 3);
}

TEST_F(HandRecord, BreakdownsGroupByTheRacesSurfaceGoingAndPopularityInTheirTablesOrder) {
    const RecordFilter whole = period(20230101, 20241231);
    const auto going = personRecord(db, jockey, whole, Dimension::going);
    ASSERT_EQ(going.rows.size(), 3u);
    // The dirt race's going is the dirt going (重), though its turf going says 良.
    EXPECT_EQ(going.rows[0].label, sjis("良"));
    EXPECT_EQ(going.rows[0].tally.starts, 2);
    EXPECT_EQ(going.rows[1].label, sjis("稍重"));
    EXPECT_EQ(going.rows[2].label, sjis("重"));
    EXPECT_EQ(going.rows[2].tally.placed[2], 1);

    const auto surface = personRecord(db, jockey, whole, Dimension::surface);
    ASSERT_EQ(surface.rows.size(), 2u);
    EXPECT_EQ(surface.rows[0].label, sjis("芝"));
    EXPECT_EQ(surface.rows[1].label, sjis("ダ"));
    EXPECT_EQ(surface.rows[1].tally.starts, 1);

    const auto popularity = personRecord(db, jockey, whole, Dimension::popularity);
    std::vector<SjisString> labels;
    for (const auto& row : popularity.rows) labels.push_back(row.label);
    EXPECT_EQ(labels, (std::vector<SjisString>{sjis("1番人気"), sjis("2番人気"), sjis("3番人気"), sjis("4～5番人気"),
                                               sjis("6～9番人気")}));

    int sum = 0;
    for (const auto& row : going.rows) sum += row.tally.starts;
    EXPECT_EQ(sum, going.total.starts);
}

TEST_F(HandRecord, FiltersAdmitOnlyTheirRuns) {
    const RecordFilter whole = period(20230101, 20241231);
    auto filter = whole;
    filter.surface = Surface::dirt;
    EXPECT_EQ(personRecord(db, jockey, filter, Dimension::course).total.starts, 1);
    filter = whole;
    filter.course = "06";
    EXPECT_EQ(personRecord(db, jockey, filter, Dimension::course).total.starts, 2);
    filter = whole;
    filter.going = 2;
    EXPECT_EQ(personRecord(db, jockey, filter, Dimension::course).total.starts, 2);
    filter = whole;
    filter.minDistance = 1500;
    filter.maxDistance = 1700;
    EXPECT_EQ(personRecord(db, jockey, filter, Dimension::course).total.starts, 4);
    filter = whole;
    filter.classCode = 5;
    EXPECT_EQ(personRecord(db, jockey, filter, Dimension::course).total.starts, 0);

    // The same course and distance as the dirt race: Tokyo dirt 1400 m.
    const auto same = sameCourseAndDistance(db, "2024052505021205", whole);
    ASSERT_TRUE(same);
    EXPECT_EQ(same->course, "05");
    EXPECT_EQ(same->surface, Surface::dirt);
    EXPECT_EQ(same->minDistance, 1400);
    EXPECT_EQ(same->maxDistance, 1400);
    EXPECT_EQ(personRecord(db, jockey, *same, Dimension::course).total.starts, 1);
    EXPECT_FALSE(sameCourseAndDistance(db, "2024052505021299", whole));
}

TEST_F(HandRecord, PeopleAreFoundByCodeByExactNameAndByPartOfTheName) {
    const auto byCode = findSubjects(db, SubjectKind::jockey, sjisBytes(kJockey));
    ASSERT_EQ(byCode.size(), 1u);
    EXPECT_EQ(byCode[0].name, sjis("手作騎手"));
    // Two jockeys share the name: both, by code.
    const auto shared = findSubjects(db, SubjectKind::jockey, sjis("手作騎手"));
    ASSERT_EQ(shared.size(), 2u);
    EXPECT_EQ(shared[0].code, kJockey);
    EXPECT_EQ(shared[1].code, kNamesake);
    const auto part = findSubjects(db, SubjectKind::jockey, sjis("別"));
    ASSERT_EQ(part.size(), 1u);
    EXPECT_EQ(part[0].code, kDeadHeatRival);
    EXPECT_TRUE(findSubjects(db, SubjectKind::jockey, sjis("無名")).empty());
    EXPECT_TRUE(findSubjects(db, SubjectKind::jockey, "99999").empty());
    // A name with SQL's pattern characters matches only itself.
    EXPECT_TRUE(findSubjects(db, SubjectKind::jockey, "%").empty());
}

TEST_F(HandRecord, ACareerListsEveryRunNewestFirstWithWhatKeptAHorseFromStarting) {
    const auto career = horseCareer(db, {SubjectKind::horse, "2020100001", {}});
    // Every run of the horse, the card entry not among them.
    ASSERT_EQ(career.runs.size(), 7u);
    for (std::size_t i = 1; i < career.runs.size(); ++i) EXPECT_GE(career.runs[i - 1].date, career.runs[i].date);
    EXPECT_EQ(career.runs.front().date, 20240526);
    EXPECT_EQ(career.runs.back().raceKey, "2023052606021201");
    EXPECT_EQ(career.total.starts, 5);
    int scratched = 0;
    for (const auto& run : career.runs) scratched += !run.started;
    EXPECT_EQ(scratched, 2);
    for (const auto& run : career.runs) {
        if (!run.started) continue;
        EXPECT_EQ(run.bodyWeight, 470);
        EXPECT_EQ(run.weightChange, -6);
    }
    ASSERT_EQ(career.totals.size(), kCareerDimensions.size());
}

TEST(StatsDbOpen, RefusesWhatIsNoExportAndOnlyReads) {
    TempDir dir;
    EXPECT_TRUE(std::holds_alternative<std::string>(StatsDb::open(dir / "missing.sqlite")));
    writeFile(dir / "other.sqlite", "not a database at all");
    EXPECT_TRUE(std::holds_alternative<std::string>(StatsDb::open(dir / "other.sqlite")));
    EXPECT_TRUE(std::holds_alternative<std::string>(StatsDb::open(dir.path())));

    // A user's own export is read as it is: opening it makes no index and
    // changes no byte, and the records still come out right.
    ExportStore store;
    fillHandRides(store);
    const auto file = dir / "mine.sqlite";
    store.exportTo(file);
    const std::string before = readFile(file);
    auto opened = StatsDb::open(file);
    ASSERT_TRUE(std::holds_alternative<StatsDb>(opened));
    const Subject jockey{SubjectKind::jockey, kJockey, {}};
    EXPECT_EQ(
        personRecord(std::get<StatsDb>(opened), jockey, period(20230101, 20241231), Dimension::course).total.starts, 5);
    EXPECT_EQ(readFile(file), before);
}

}  // namespace
}  // namespace vantor::test
