#include "codes/calendar.h"

#include <gtest/gtest.h>

using namespace vantor;

TEST(Calendar, DayNumbersWeekdaysAndMonthlyWeekdays) {
    EXPECT_EQ(dayFromYmd(19700101), 0);
    EXPECT_EQ(ymdFromDay(dayFromYmd(20240229)), 20240229);
    EXPECT_EQ(ymdFromDay(dayNumber(2023, 12, 32)), 20240101) << "days past the month's end roll over";
    EXPECT_EQ(ymdFromDay(dayNumber(2023, 14, 1)), 20240201) << "months past December roll over";
    EXPECT_EQ(ymdFromDay(-1), 19691231);
    EXPECT_EQ(weekday(dayFromYmd(20240526)), 0);                 // a Sunday
    EXPECT_EQ(weekday(dayFromYmd(19691231)), 3);                 // a Wednesday, before day 0
    EXPECT_EQ(ymdFromDay(nthWeekday(2024, 1, 1, 2)), 20240108);  // Coming-of-Age Day
}

TEST(Calendar, OnlyRealDatesAreValid) {
    EXPECT_TRUE(isValidYmd(20240229));
    EXPECT_FALSE(isValidYmd(20230229));
    EXPECT_FALSE(isValidYmd(20241301));
    EXPECT_FALSE(isValidYmd(18991231));
    EXPECT_FALSE(isValidYmd(0));
    EXPECT_TRUE(isValidDateText("20240229"));
    EXPECT_FALSE(isValidDateText("20240231")) << "February has no 31st";
    EXPECT_FALSE(isValidDateText("2024022"));
    EXPECT_FALSE(isValidDateText("2024 229"));
    EXPECT_TRUE(isValidTimeStampText("20240526235959"));
    EXPECT_FALSE(isValidTimeStampText("20240526240000"));
    EXPECT_FALSE(isValidTimeStampText("20240431000000"));
    EXPECT_FALSE(isValidTimeStampText("2024052600000"));
}

TEST(Calendar, DateTextsReadLenientlyGiveNoneForMissingOrImpossibleDates) {
    EXPECT_EQ(civilDayNumber("19700102"), 1);
    EXPECT_EQ(daysBetween(civilDayNumber("20240228"), civilDayNumber("20240301")), 2);
    EXPECT_EQ(daysBetween(civilDayNumber("19000228"), civilDayNumber("19000301")), 1);
    for (const char* none : {"        ", "00000000", "20240001", "20240100", "20230229"})
        EXPECT_FALSE(civilDayNumber(sjisBytes(none))) << none;
    EXPECT_EQ(daysBetween(std::nullopt, civilDayNumber("20240526")), 0);
}

TEST(Calendar, JapanTimeIsNineHoursAheadOfUtcWhateverTheMachinesZone) {
    using namespace std::chrono;
    const sys_seconds utcMidnight = sys_days{year(2024) / May / 25};
    EXPECT_EQ(japanTimeStamp(utcMidnight + 15h), "20240526000000") << "the day turns at 15:00 UTC";
    EXPECT_EQ(japanTimeStamp(utcMidnight + 14h + 59min + 59s), "20240525235959");
    EXPECT_EQ(japanMoment("20240526000000"), utcMidnight + 15h);
    EXPECT_EQ(japanTimeStamp(*japanMoment("20241231235959") + 1s), "20250101000000");
    EXPECT_FALSE(japanMoment("20240526246000"));
    EXPECT_FALSE(japanMoment("2024052610300"));
}
