// The record of a mark set on hand-made races: marks typed after the
// analysis database was made count at once, the rows come in the marks'
// order, scratched horses and card entries are no start, a dead heat wins
// for each, the filters apply, and a damaged marks file is left as it is.

#include "stats/marks_record.h"

#include <gtest/gtest.h>

#include "hand_made_marks.h"
#include "stats/person_record.h"
#include "stats/stats_tables.h"
#include "text/sjis_literal.h"

namespace vantor::test {
namespace {

using namespace stats;

class HandMarks : public ::testing::Test {
protected:
    ExportStore store;
    // The database is made before any mark is typed.
    StatsDb db = [this] {
        fillHandRides(store);
        return exportedStatsDb(store);
    }();
    UserMarksFile writer = openHandMarks(store);

    MarksRecord record(const RecordFilter& filter = {}, int set = kMarkedSet) {
        auto marks = readUserMarksFile(store.appDir());
        if (auto* problem = std::get_if<std::string>(&marks)) ADD_FAILURE() << *problem;
        return marksRecord(db, std::get<std::optional<UserMarksFile>>(marks), set, filter);
    }
};

TEST_F(HandMarks, EachMarkCountsItsRunnersStartsAsARecordDoes) {
    markHandRides(writer);
    const auto r = record();
    EXPECT_EQ(r.filter.from, 20230602);
    EXPECT_EQ(r.filter.to, 20240601);
    ASSERT_EQ(r.rows.size(), 7u);
    std::vector<SjisString> labels;
    for (const auto& row : r.rows) labels.push_back(row.label);
    EXPECT_EQ(labels, (std::vector<SjisString>{sjis("◎"), sjis("○"), sjis("▲"), sjis("△"), sjis("☆"), sjis("×"),
                                               sjis("注")}));
    // ◎: both horses of the dead heat win, each paid its own payout.
    EXPECT_EQ(r.rows[0].tally.starts, 2);
    EXPECT_EQ(r.rows[0].tally.wins(), 2);
    EXPECT_EQ(r.rows[0].tally.winReturn, kDeadHeatWinPay + kRivalWinPay);
    EXPECT_EQ(r.rows[0].tally.placeReturn, 2 * kDeadHeatPlacePay);
    // ○: scratched and excluded, no start and nothing staked.
    EXPECT_EQ(r.rows[1].tally, Tally{});
    // ▲: pulled up, a start unplaced.
    EXPECT_EQ(r.rows[2].tally.starts, 1);
    EXPECT_EQ(r.rows[2].tally.unplaced(), 1);
    // △ outside the twelve months, ☆ on no runner, × on a card entry.
    EXPECT_EQ(r.rows[3].tally, Tally{});
    EXPECT_EQ(r.rows[4].tally, Tally{});
    EXPECT_EQ(r.rows[5].tally, Tally{});
    EXPECT_EQ(r.rows[6].tally.placed, (std::array<int, 3>{0, 0, 1}));
    EXPECT_EQ(r.total.starts, 4);
    EXPECT_EQ(r.total.winReturn, kDeadHeatWinPay + kRivalWinPay);
    EXPECT_EQ(r.total.placeReturn, 2 * kDeadHeatPlacePay + 400);

    // The other set holds only the namesake's winner.
    const auto other = record({}, kMarkedSet + 1);
    EXPECT_EQ(other.total.starts, 1);
    EXPECT_EQ(other.rows[0].tally.wins(), 1);
}

TEST_F(HandMarks, AMarkTypedWhileTheFileIsOpenCountsInTheNextRecord) {
    markHandRides(writer);
    const RaceId namesakeRace = handRides()[8].race;
    mark(writer, namesakeRace, 2, UserMark::hoshi);
    EXPECT_EQ(record().rows[4].tally.wins(), 1);
    // Changed and cleared marks leave their rows at once.
    mark(writer, namesakeRace, 2, UserMark::chui);
    mark(writer, handRides()[1].race, 2, UserMark::none);
    const auto r = record();
    EXPECT_EQ(r.rows[4].tally, Tally{});
    EXPECT_EQ(r.rows[6].tally.starts, 2);
    EXPECT_EQ(r.rows[0].tally.starts, 1);
    EXPECT_EQ(r.rows[0].tally.winReturn, kDeadHeatWinPay);
}

TEST_F(HandMarks, TheFiltersOfARecordApply) {
    markHandRides(writer);
    RecordFilter whole;
    whole.from = 20230101;
    whole.to = 20241231;
    EXPECT_EQ(record(whole).rows[3].tally.wins(), 1);  // △ of 2023-05-26 inside the year
    EXPECT_EQ(record(whole).total.starts, 5);
    auto filter = whole;
    filter.course = "06";
    EXPECT_EQ(record(filter).total.starts, 1);
    filter = whole;
    filter.surface = Surface::dirt;
    const auto dirt = record(filter);
    EXPECT_EQ(dirt.total.starts, 1);
    EXPECT_EQ(dirt.rows[6].tally.starts, 1);
    filter = whole;
    filter.going = 2;
    EXPECT_EQ(record(filter).rows[3].tally.starts, 1);
    EXPECT_EQ(record(filter).total.starts, 1);
}

TEST_F(HandMarks, TheTitleNamesTheSetAsTheUserNamedIt) {
    EXPECT_TRUE(marksTable(record()).title.starts_with(sjis("印3 2023-06-02")));
    ASSERT_FALSE(writer.setSetName(kMarkedSet, "本紙予想"));
    const auto table = marksTable(record());
    EXPECT_EQ(table.title, sjis("本紙予想 2023-06-02～2024-06-01"));
    EXPECT_EQ(table.headings.front(), sjis("印"));
    EXPECT_EQ(table.rows.size(), 8u);  // seven marks and the total
}

TEST(MarksFileRead, NoFileIsNoMarksAndADamagedOneIsNamedAndLeftAsItIs) {
    ExportStore store;
    fillHandRides(store);
    auto db = exportedStatsDb(store);
    auto none = readUserMarksFile(store.appDir());
    ASSERT_TRUE(std::holds_alternative<std::optional<UserMarksFile>>(none));
    const auto& file = std::get<std::optional<UserMarksFile>>(none);
    EXPECT_FALSE(file);
    const auto empty = marksRecord(db, file, 1, {});
    EXPECT_EQ(empty.setName, sjis("印1"));
    EXPECT_EQ(empty.rows.size(), 7u);
    EXPECT_EQ(empty.total, Tally{});
    EXPECT_FALSE(std::filesystem::exists(userMarksPath(store.appDir())));

    const std::string damage(4096, 'x');
    writeFile(userMarksPath(store.appDir()), damage);
    const auto damaged = readUserMarksFile(store.appDir());
    ASSERT_TRUE(std::holds_alternative<std::string>(damaged));
    EXPECT_NE(std::get<std::string>(damaged).find("usermarks.sqlite"), std::string::npos);
    EXPECT_EQ(readFile(userMarksPath(store.appDir())), damage);
    // Nothing kept aside, no journal made beside it.
    for (const auto& entry : std::filesystem::directory_iterator(store.appDir())) {
        if (entry.path().filename().string().starts_with("usermarks")) {
            EXPECT_EQ(entry.path(), userMarksPath(store.appDir()));
        }
    }
}

}  // namespace
}  // namespace vantor::test
