#include "codes/odds_pairs.h"

#include <gtest/gtest.h>

#include <set>

using namespace vantor;

TEST(WakurenIndex, NumbersAll36BracketPairsInOrder) {
    int expected = 0;
    for (int a = 1; a <= 8; ++a)
        for (int b = a; b <= 8; ++b) {
            const std::string text = " " + std::to_string(a) + "- " + std::to_string(b);
            EXPECT_EQ(WakurenIndex(sjisBytes(text)), ++expected) << text;
        }
    EXPECT_EQ(expected, 36);
}

TEST(WakurenIndex, AnyOtherTextIsZero) {
    for (const char* text :
         {"1-2", " 2- 1", " 0- 1", " 8- 9", " 1- 1 ", "01- 1", " 1-01", " 1+ 2", " 1- 2x", "", "     "})
        EXPECT_EQ(WakurenIndex(sjisBytes(text)), 0) << '"' << text << '"';
}

TEST(UmarenPairText, CoversAll153PairsOnceInOrder) {
    std::set<std::pair<int, int>> seen;
    std::pair<int, int> previous{0, 0};
    for (int k = 1; k <= 153; ++k) {
        const auto text = UmarenPairText(k);
        ASSERT_TRUE(text.has_value()) << k;
        ASSERT_EQ(text->size(), 5u) << k;
        ASSERT_EQ((*text)[2], '-') << k;
        const std::pair<int, int> pair{lenientInt(text->view().substr(0, 2)), lenientInt(text->view().substr(3))};
        EXPECT_TRUE(pair.first >= 1 && pair.first < pair.second && pair.second <= 18) << text->bytes();
        EXPECT_LT(previous, pair) << text->bytes();
        seen.insert(pair);
        previous = pair;
    }
    EXPECT_EQ(seen.size(), 153u);
    EXPECT_EQ(UmarenPairText(1), " 1- 2"_sjis);
    EXPECT_EQ(UmarenPairText(17), " 1-18"_sjis);
    EXPECT_EQ(UmarenPairText(18), " 2- 3"_sjis);
    EXPECT_EQ(UmarenPairText(153), "17-18"_sjis);
    for (int k : {0, -1, 154, 1000}) EXPECT_EQ(UmarenPairText(k), std::nullopt) << k;
}
