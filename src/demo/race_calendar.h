#pragma once
// The JRA race calendar of the demo: race weekends (Saturday, Sunday and
// a few Monday holidays) with two or three racecourses a day, meetings of
// up to eight race days at one course, numbered per course and year.

#include <array>
#include <vector>

namespace vantor::demo {

class Rng;

struct CourseDay {
    int course = 0;   // 1..10
    int kaiji = 0;    // meeting number within the year
    int nichiji = 0;  // day of the meeting, 1..8
};

struct RaceDay {
    int day = 0;    // day number
    int date = 0;   // yyyymmdd
    int youbi = 1;  // weekday code: 1 Saturday, 2 Sunday, 3 holiday
    int weekend = 0;
    std::array<CourseDay, 3> courses{};
    int courseCount = 0;
};

struct Weekend {
    int saturday = 0;  // day number
    int firstDay = 0;  // index of its first race day
    int dayCount = 0;
    int lastDay() const { return firstDay + dayCount - 1; }
};

struct RaceCalendar {
    std::vector<RaceDay> days;
    std::vector<Weekend> weekends;
};

// Every race weekend from the first Saturday on or after fromDay to the
// last weekend whose race days all lie on or before toDay (day numbers).
RaceCalendar buildRaceCalendar(int fromDay, int toDay, Rng& rng);

}  // namespace vantor::demo
