#include "codes/race_key.h"

#include <gtest/gtest.h>

using namespace vantor;

TEST(RaceKey, PartsAreCutFromTheKeyAsItCame) {
    const RaceKey key("2024052605021211 and the rest of a record");
    EXPECT_EQ(key.text(), "2024052605021211"_sjis);
    EXPECT_EQ(key.date(), "20240526"_sjis);
    EXPECT_EQ(key.year(), "2024"_sjis);
    EXPECT_EQ(key.month(), "05"_sjis);
    EXPECT_EQ(key.day(), "26"_sjis);
    EXPECT_EQ(key.course(), "05"_sjis);
    EXPECT_EQ(key.meeting(), "02"_sjis);
    EXPECT_EQ(key.meetingDay(), "12"_sjis);
    EXPECT_EQ(key.raceNumber(), "11"_sjis);
    EXPECT_EQ(key.dateAndCourse(), "2024052605"_sjis);
    EXPECT_EQ(key.meetingDigit(), "2"_sjis);
    EXPECT_EQ(key.meetingDayDigit(), "2"_sjis);
}

TEST(RaceKey, BlankAndShortKeysStayAsTheyAreAndGiveShortParts) {
    const RaceKey blank("                ");
    EXPECT_EQ(blank.text(), SjisString(16, ' '));
    EXPECT_EQ(blank.course(), "  "_sjis);
    const RaceKey partly("20240526  ");  // a race day without course and race
    EXPECT_EQ(partly.date(), "20240526"_sjis);
    EXPECT_EQ(partly.course(), "  "_sjis);
    EXPECT_EQ(partly.meeting(), ""_sjis);
    EXPECT_EQ(partly.raceNumber(), ""_sjis);
    const RaceKey none("");
    EXPECT_EQ(none.date(), ""_sjis);
    EXPECT_EQ(none.meetingDayDigit(), ""_sjis);
    EXPECT_TRUE(RaceKey("2024052605021211x") == RaceKey("2024052605021211y"));
}
