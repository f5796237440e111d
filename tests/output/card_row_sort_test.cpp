#include "output/card_row_sort.h"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::card;

namespace {

using Rows = std::vector<std::vector<SjisString>>;

// Rows of the race card as the grid holds them: bracket column empty,
// horse number, order rank, one more cell that must travel with its row.
Rows cardRows(std::initializer_list<std::pair<const char*, const char*>> numberAndRank) {
    Rows rows;
    for (const auto& [number, rank] : numberAndRank) rows.push_back({"", number, rank, std::string("row ") + number});
    return rows;
}

std::vector<SjisString> column(const Rows& rows, std::size_t col) {
    std::vector<SjisString> out;
    for (const auto& row : rows) out.push_back(row[col]);
    return out;
}

}  // namespace

TEST(CardRowSort, KeyColumnFollowsTheButtonThatIsDown) {
    EXPECT_EQ(sortKeyColumn(true, false), 1);
    EXPECT_EQ(sortKeyColumn(false, true), 2);
    EXPECT_EQ(sortKeyColumn(false, false), 0);
}

TEST(CardRowSort, GroupOrderKeepsEqualRanksInHorseNumberOrderWhateverTheyStartedIn) {
    Rows rows = cardRows({{"07", " 2"}, {"03", " 1"}, {"12", " 2"}, {"01", " 0"}, {"05", " 2"}, {"10", "10"}});
    sortCardRows(rows, 2);
    EXPECT_EQ(column(rows, 1), (std::vector<SjisString>{"01", "03", "05", "07", "12", "10"}));
    EXPECT_EQ(column(rows, 3)[2], "row 05") << "rows move whole";

    std::reverse(rows.begin(), rows.end());
    sortCardRows(rows, 2);
    EXPECT_EQ(column(rows, 1), (std::vector<SjisString>{"01", "03", "05", "07", "12", "10"}));
}

TEST(CardRowSort, NumberOrderRestoresTheCardAndNoKeyOrdersByNumber) {
    Rows rows = cardRows({{"11", " 1"}, {"02", " 3"}, {"09", " 2"}});
    sortCardRows(rows, 1);
    EXPECT_EQ(column(rows, 1), (std::vector<SjisString>{"02", "09", "11"}));
    sortCardRows(rows, 2);
    sortCardRows(rows, 0);
    EXPECT_EQ(column(rows, 1), (std::vector<SjisString>{"02", "09", "11"})) << "empty key texts are all equal";
}
