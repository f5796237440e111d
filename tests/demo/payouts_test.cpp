// Payouts from win probabilities and a finishing order: who is paid, how
// many places, dead heats, the bracket quinella and popularity ranks.

#include "demo/payouts.h"

#include <gtest/gtest.h>

#include <vector>

#include "demo/entries.h"

using namespace vantor::demo;

namespace {

// A field of n in horse-number order, finishing in horse-number order,
// the lower numbers the favourites.
std::vector<PayoutRunner> field(int n) {
    std::vector<PayoutRunner> r;
    double total = 0;
    for (int i = 1; i <= n; ++i) total += 1.0 / i;
    for (int i = 1; i <= n; ++i) {
        const double p = (1.0 / i) / total;
        r.push_back({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(bracketOf(i, n)), p,
                     static_cast<int>(8.0 / p), static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i)});
    }
    return r;
}

std::vector<int> firstNumbers(const auto& list) {
    std::vector<int> out;
    for (int i = 0; i < list.count; ++i) out.push_back(list.items[static_cast<std::size_t>(i)].nums[0]);
    return out;
}

}  // namespace

TEST(Brackets, FollowTheJraRule) {
    EXPECT_EQ(bracketOf(7, 7), 7);
    // Ten runners: brackets 7 and 8 take two horses each.
    const int ten[] = {1, 2, 3, 4, 5, 6, 7, 7, 8, 8};
    for (int u = 1; u <= 10; ++u) EXPECT_EQ(bracketOf(u, 10), ten[u - 1]) << u;
    // Eighteen: two each, three in brackets 7 and 8.
    const int eighteen[] = {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 7, 8, 8, 8};
    for (int u = 1; u <= 18; ++u) EXPECT_EQ(bracketOf(u, 18), eighteen[u - 1]) << u;
    EXPECT_EQ(bracketOf(16, 16), 8);
    EXPECT_EQ(bracketOf(9, 9), 8);
    EXPECT_EQ(bracketOf(8, 9), 8);
}

TEST(Payouts, PayTheFinishingOrderWithTheMarketsPopularity) {
    const std::vector<PayoutRunner> r = field(12);
    const Payout p = computePayout(r);
    ASSERT_EQ(p.win.count, 1);
    EXPECT_EQ(p.win.items[0].nums[0], 1);
    EXPECT_EQ(p.win.items[0].pay, r[0].odds * 10);
    EXPECT_EQ(p.win.items[0].ninki, 1);
    EXPECT_EQ(firstNumbers(p.place), (std::vector<int>{1, 2, 3}));
    // The favourites' combinations are the most popular and pay least.
    EXPECT_EQ(p.quinella.items[0].ninki, 1);
    EXPECT_EQ(p.exacta.items[0].ninki, 1);
    EXPECT_EQ(p.trio.items[0].ninki, 1);
    EXPECT_EQ(p.trifecta.items[0].ninki, 1);
    EXPECT_LT(p.place.items[0].pay, p.place.items[2].pay);
    EXPECT_EQ(p.wide.count, 3);
    EXPECT_EQ(p.bracket.count, 1);
    EXPECT_EQ(p.trifecta.items[0].nums, (std::array<std::uint8_t, 3>{1, 2, 3}));
    for (int i = 0; i < p.trio.count; ++i) EXPECT_GE(p.trio.items[static_cast<std::size_t>(i)].pay, 100);
}

TEST(Payouts, AnOutsiderWinningPaysMoreAndIsLessPopular) {
    std::vector<PayoutRunner> r = field(12);
    std::swap(r[0].position, r[11].position);  // number 12 wins, number 1 is last
    const Payout p = computePayout(r);
    ASSERT_EQ(p.win.count, 1);
    EXPECT_EQ(p.win.items[0].nums[0], 12);
    EXPECT_EQ(p.win.items[0].ninki, 12);
    EXPECT_GT(p.quinella.items[0].ninki, 10);
    EXPECT_GT(p.trifecta.items[0].pay, 100000);
    EXPECT_EQ(p.quinella.items[0].nums, (std::array<std::uint8_t, 3>{2, 12, 0}));
}

TEST(Payouts, SmallFieldsPayTwoPlacesAndNoBracketQuinella) {
    const Payout seven = computePayout(field(7));
    EXPECT_EQ(firstNumbers(seven.place), (std::vector<int>{1, 2}));
    EXPECT_EQ(seven.bracket.count, 0);
    EXPECT_EQ(seven.wide.count, 3);
    const Payout eight = computePayout(field(8));
    EXPECT_EQ(eight.place.count, 3);
    EXPECT_EQ(eight.bracket.count, 0);
    const Payout nine = computePayout(field(9));
    EXPECT_EQ(nine.bracket.count, 1);
}

TEST(Payouts, ScratchedHorsesAreLeftOut) {
    std::vector<PayoutRunner> r = field(9);
    r[8].winProb = 0;  // number 9 did not start: eight starters
    r[8].position = 0;
    const Payout p = computePayout(r);
    EXPECT_EQ(p.bracket.count, 0);
    EXPECT_EQ(p.place.count, 3);
    for (int i = 0; i < p.wide.count; ++i) EXPECT_NE(p.wide.items[static_cast<std::size_t>(i)].nums[1], 9);
}

TEST(Payouts, DeadHeatsAddEntries) {
    std::vector<PayoutRunner> first = field(10);
    first[1].position = 1;  // numbers 1 and 2 dead-heat for first
    const Payout a = computePayout(first);
    EXPECT_EQ(firstNumbers(a.win), (std::vector<int>{1, 2}));
    EXPECT_EQ(a.quinella.count, 1);
    EXPECT_EQ(a.exacta.count, 2);  // 1-2 and 2-1
    EXPECT_EQ(a.trifecta.count, 2);
    EXPECT_EQ(a.place.count, 3);

    std::vector<PayoutRunner> second = field(10);
    second[2].position = 2;  // numbers 2 and 3 dead-heat for second
    const Payout b = computePayout(second);
    EXPECT_EQ(b.win.count, 1);
    EXPECT_EQ(b.quinella.count, 2);  // 1-2 and 1-3
    EXPECT_EQ(b.exacta.count, 2);
    EXPECT_EQ(b.trio.count, 1);
    EXPECT_EQ(b.wide.count, 3);
    EXPECT_EQ(b.trifecta.count, 2);

    std::vector<PayoutRunner> third = field(10);
    third[3].position = 3;  // numbers 3 and 4 dead-heat for third
    const Payout c = computePayout(third);
    EXPECT_EQ(firstNumbers(c.place), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(c.wide.count, 5);
    EXPECT_EQ(c.trio.count, 2);
    EXPECT_EQ(c.quinella.count, 1);
}
