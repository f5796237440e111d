// The flat key table of the day load: kept from load to load, a clear must
// forget every key, also those moved by a growth beyond its first room.

#include <gtest/gtest.h>

#include "raceday/view_table.h"

using namespace vantor;

TEST(KeyTable, AClearAfterGrowingForgetsEveryKeyAndTakesThemAnew) {
    KeyTable<int> table(4);
    constexpr std::uint64_t kKeys = 1000;  // far beyond the room for 4
    for (std::uint64_t k = 1; k <= kKeys; ++k) table.insert(k * 7919, static_cast<int>(k));
    table.insert(7919, -1);
    ASSERT_EQ(*table.find(7919), 1) << "the first value given stays";
    ASSERT_EQ(*table.find(kKeys * 7919), static_cast<int>(kKeys));

    table.clear();
    for (std::uint64_t k = 1; k <= kKeys; ++k) ASSERT_EQ(table.find(k * 7919), nullptr) << k;
    for (std::uint64_t k = 1; k <= kKeys; k += 2) table.insert(k * 7919, -static_cast<int>(k));
    for (std::uint64_t k = 1; k <= kKeys; ++k) {
        const int* value = table.find(k * 7919);
        if (k % 2 == 1) {
            ASSERT_NE(value, nullptr) << k;
            EXPECT_EQ(*value, -static_cast<int>(k));
        } else {
            EXPECT_EQ(value, nullptr) << k;
        }
    }
}
