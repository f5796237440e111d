// The race calendar: weekends only, meetings of at most eight days at one
// course, two or three racecourses a day, ending with the last weekend
// before the end date.

#include "codes/calendar.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "demo/race_calendar.h"
#include "demo/rng.h"

using namespace vantor;
using namespace vantor::demo;

namespace {

RaceCalendar calendarUpTo(int toYmd, int years = 3) {
    Rng rng(7);
    const int to = dayFromYmd(toYmd);
    return buildRaceCalendar(to - 365 * years, to, rng);
}

}  // namespace

TEST(RaceCalendar, RacesOnWeekendsAndRaceHolidaysOnly) {
    const RaceCalendar cal = calendarUpTo(20240527);
    ASSERT_GT(cal.weekends.size(), 150u);
    std::set<int> holidayMondays;
    for (const RaceDay& d : cal.days) {
        const Ymd c = civil(d.day);
        EXPECT_FALSE((c.m == 12 && c.d >= 29) || (c.m == 1 && c.d <= 4)) << d.date;
        const int wd = weekday(d.day);
        EXPECT_TRUE(wd == 6 || wd == 0 || wd == 1) << d.date;
        EXPECT_EQ(d.youbi, wd == 6 ? 1 : wd == 0 ? 2 : 3) << d.date;
        if (wd == 1) holidayMondays.insert(d.date);
    }
    EXPECT_GE(holidayMondays.size(), 6u);
    for (std::size_t w = 1; w < cal.weekends.size(); ++w)
        EXPECT_EQ(cal.weekends[w].firstDay, cal.weekends[w - 1].firstDay + cal.weekends[w - 1].dayCount);
}

TEST(RaceCalendar, EndsWithTheLastCompleteWeekendByTheEndDate) {
    // Sunday 26 May 2024 is the last race day up to Monday the 27th ...
    EXPECT_EQ(calendarUpTo(20240527).days.back().date, 20240526);
    EXPECT_EQ(calendarUpTo(20240526).days.back().date, 20240526);
    // ... but not up to the Saturday: that weekend is not over.
    EXPECT_EQ(calendarUpTo(20240525).days.back().date, 20240519);
    // A three-day weekend counts only when its Monday is included; the
    // weekend before it falls in the New Year break.
    EXPECT_EQ(calendarUpTo(20240108).days.back().date, 20240108);
    EXPECT_EQ(calendarUpTo(20240107).days.back().date, 20231224);
}

TEST(RaceCalendar, MeetingsRunUpToEightDaysAtOneCourseAndSixTimesAYear) {
    const RaceCalendar cal = calendarUpTo(20240527);
    // (year, course, meeting) -> the day numbers seen, in calendar order.
    std::map<std::tuple<int, int, int>, std::vector<int>> meetings;
    std::map<int, int> coursesPerDay;
    for (const RaceDay& d : cal.days) {
        std::set<int> courses;
        ASSERT_GE(d.courseCount, 2) << d.date;
        ASSERT_LE(d.courseCount, 3) << d.date;
        ++coursesPerDay[d.courseCount];
        for (int i = 0; i < d.courseCount; ++i) {
            const CourseDay& cd = d.courses[static_cast<std::size_t>(i)];
            EXPECT_TRUE(courses.insert(cd.course).second) << "a course twice on " << d.date;
            EXPECT_TRUE(cd.course >= 1 && cd.course <= 10);
            EXPECT_TRUE(cd.kaiji >= 1 && cd.kaiji <= 6) << d.date;
            meetings[{d.date / 10000, cd.course, cd.kaiji}].push_back(cd.nichiji);
        }
    }
    EXPECT_GT(coursesPerDay[2], 0);
    EXPECT_GT(coursesPerDay[3], coursesPerDay[2]);
    for (const auto& [meeting, days] : meetings) {
        ASSERT_LE(days.size(), 8u);
        for (std::size_t i = 0; i < days.size(); ++i) EXPECT_EQ(days[i], static_cast<int>(i) + 1);
    }
}
