#include "analysis/card_row_order.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/hand_day.h"

using namespace vantor;
using namespace vantor::card;
using namespace vantor::test;

namespace {

constexpr int kRace = 4;

std::vector<SjisString> texts(std::initializer_list<SjisView> list) { return {list.begin(), list.end()}; }
RaceCardKeys keys(SjisView number, SjisView mark, SjisView rank) {
    return {SjisString(number), SjisString(mark), SjisString(rank)};
}

// A race whose runner slots hold the given horse numbers and order ranks.
class CardRows : public ::testing::Test {
protected:
    void race(std::initializer_list<std::pair<const char*, int>> numberAndRank) {
        hand.addRace(kRace, "05", 11, static_cast<int>(numberAndRank.size()));
        int j = 0;
        for (const auto& [number, rank] : numberAndRank) {
            hand.addRunner(kRace, j, {.number = number});
            hand.marks(kRace).SortRank[static_cast<std::size_t>(j++)] = rank;
        }
        rows = raceCardRows(kRace, j);
    }
    std::vector<SjisString> numbers() {
        std::vector<SjisString> out;
        for (const RunnerSlot& row : rows) out.push_back(raceCardKeys(hand.day(), row)[0]);
        return out;
    }

    HandDay hand;
    std::vector<RunnerSlot> rows;
};

}  // namespace

TEST(CardRowOrder, KeyColumnFollowsTheButtonThatIsDown) {
    EXPECT_EQ(sortKeyColumn(true, false), kNumberColumn);
    EXPECT_EQ(sortKeyColumn(false, true), kHorseColumn) << "whose text is the order rank";
    EXPECT_EQ(sortKeyColumn(false, false), 0);
}

TEST_F(CardRows, ChoosingARaceListsItsRunnerSlotsAndRowsNameThem) {
    race({{"01", 2}, {"02", 1}});
    EXPECT_EQ(rows, (std::vector<RunnerSlot>{{kRace, 0}, {kRace, 1}}));
    hand.race(kRace).UserMark[1] = "\x81\x9d"_sjis;  // ◎
    EXPECT_EQ(raceCardKeys(hand.day(), rows[0]), keys("01", "", " 2"));
    EXPECT_EQ(raceCardKeys(hand.day(), rows[1]), keys("02", "\x81\x9d"_sjis, " 1")) << "the user's mark";
    EXPECT_EQ(runnerOfRow(rows, 0), std::nullopt) << "the header row";
    EXPECT_EQ(runnerOfRow(rows, 2), (RunnerSlot{kRace, 1}));
    EXPECT_EQ(runnerOfRow(rows, 3), std::nullopt);
}

TEST_F(CardRows, GroupOrderKeepsEqualRanksInHorseNumberOrderWhateverTheyStartedIn) {
    race({{"07", 2}, {"03", 1}, {"12", 2}, {"01", 0}, {"05", 2}, {"10", 10}});
    sortCardRows(hand.day(), rows, kHorseColumn);
    const std::vector<SjisString> grouped = texts({"01", "03", "05", "07", "12", "10"});
    EXPECT_EQ(numbers(), grouped) << "rank 10 after 2: \"%2d\" texts order as numbers";
    EXPECT_EQ(rows[2], (RunnerSlot{kRace, 4})) << "the row names the runner slot of horse 05";

    std::reverse(rows.begin(), rows.end());
    sortCardRows(hand.day(), rows, kHorseColumn);
    EXPECT_EQ(numbers(), grouped);
}

TEST_F(CardRows, NumberOrderRestoresTheCardAndNoKeyOrdersByNumber) {
    race({{"11", 1}, {"02", 3}, {"09", 2}});
    sortCardRows(hand.day(), rows, kNumberColumn);
    EXPECT_EQ(numbers(), texts({"02", "09", "11"}));
    sortCardRows(hand.day(), rows, kHorseColumn);
    sortCardRows(hand.day(), rows, 0);
    EXPECT_EQ(numbers(), texts({"02", "09", "11"})) << "empty key texts are all equal";
    hand.race(kRace).UserMark[0] = "\x81\x9d"_sjis;
    sortCardRows(hand.day(), rows, kUserMarkColumn);
    EXPECT_EQ(numbers(), texts({"02", "09", "11"})) << "marks give no order";
}
