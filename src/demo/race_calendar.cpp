#include "demo/race_calendar.h"

#include <algorithm>

#include "codes/calendar.h"
#include "demo/rng.h"

namespace vantor::demo {
namespace {

constexpr int kMeetingDays = 8;
constexpr int kMeetingsPerCourse = 6;
constexpr int kSlots = 3;

// The meetings of a year at the eastern and the western slot, in order:
// four weekends each (three around a Monday holiday), so that the big
// races fall where they belong (Tokyo in late May, Nakayama at Christmas).
constexpr int kMeetingsInYear = 14;
constexpr int kSequence[2][kMeetingsInYear] = {
    {6, 5, 6, 6, 5, 5, 3, 4, 4, 6, 6, 5, 5, 6},
    {8, 8, 9, 9, 8, 9, 9, 7, 10, 9, 8, 8, 8, 9},
};
// The third course, which now and then rests for a weekend, goes by the
// month: the course that usually starts a meeting then, and its stand-in.
constexpr int kThirdCourse[12][2] = {{7, 10}, {10, 7}, {7, 10}, {3, 7}, {4, 3},  {2, 3},
                                     {2, 1},  {1, 2},  {1, 7},  {4, 3}, {3, 10}, {7, 10}};

// No racing from 29 December to 4 January.
bool inNewYearBreak(const Ymd& c) { return (c.m == 12 && c.d >= 29) || (c.m == 1 && c.d <= 4); }

// Mondays on which the JRA races: Coming-of-Age Day, the Day for the Aged
// and Sports Day.
bool isRaceHoliday(int day) {
    const Ymd c = civil(day);
    return day == nthWeekday(c.y, 1, 1, 2) || day == nthWeekday(c.y, 9, 1, 3) || day == nthWeekday(c.y, 10, 1, 2);
}

std::vector<int> weekendDays(int saturday) {
    std::vector<int> days;
    for (int d : {saturday, saturday + 1, saturday + 2}) {
        if (d == saturday + 2 && !isRaceHoliday(d)) continue;
        if (!inNewYearBreak(civil(d))) days.push_back(d);
    }
    return days;
}

struct Slot {
    int course = 0;  // 0 when idle
    int days = 0;
};

class Rotation {
public:
    // A calendar that begins during the year starts with the meetings of
    // the season, as if the year had run from January.
    void startYear(int dayOfYear) {
        counts_.fill(0);
        for (Slot& s : slots_) s = {};
        next_ = {dayOfYear / 28, dayOfYear / 28};
    }

    // Opens new meetings where the running one would pass eight days this
    // weekend; the third slot now and then rests for a weekend.
    void openMeetings(int month, int dayCount, Rng& rng) {
        for (int s = 0; s < kSlots; ++s) {
            Slot& slot = slots_[s];
            if (slot.course != 0 && slot.days + dayCount <= kMeetingDays) continue;
            slot = {};
            if (s == kSlots - 1 && rng.chance(0.3)) continue;
            slot.course = chooseCourse(s, month);
            if (slot.course != 0) ++counts_[static_cast<std::size_t>(slot.course)];
        }
    }

    void fillDay(RaceDay& day) {
        day.courseCount = 0;
        for (Slot& slot : slots_) {
            if (slot.course == 0) continue;
            ++slot.days;
            day.courses[static_cast<std::size_t>(day.courseCount++)] = {
                slot.course, counts_[static_cast<std::size_t>(slot.course)], slot.days};
        }
        // Racecourses in code order (at most three: an insertion sort).
        for (int i = 1; i < day.courseCount; ++i)
            for (int j = i; j > 0 && day.courses[static_cast<std::size_t>(j)].course <
                                         day.courses[static_cast<std::size_t>(j - 1)].course;
                 --j)
                std::swap(day.courses[static_cast<std::size_t>(j)], day.courses[static_cast<std::size_t>(j - 1)]);
    }

private:
    bool usable(int course) const {
        if (counts_[static_cast<std::size_t>(course)] >= kMeetingsPerCourse) return false;
        return std::none_of(slots_.begin(), slots_.end(), [&](const Slot& s) { return s.course == course; });
    }

    int chooseCourse(int slot, int month) {
        if (slot < 2) {
            const int k = next_[static_cast<std::size_t>(slot)]++;
            if (k < kMeetingsInYear && usable(kSequence[slot][k])) return kSequence[slot][k];
        } else {
            for (int c : kThirdCourse[month - 1])
                if (usable(c)) return c;
        }
        for (int c = 1; c <= 10; ++c)
            if (usable(c)) return c;
        return 0;
    }

    std::array<Slot, kSlots> slots_{};
    std::array<int, 11> counts_{};
    std::array<int, 2> next_{};  // index of the next meeting of the eastern and western slots
};

}  // namespace

RaceCalendar buildRaceCalendar(int fromDay, int toDay, Rng& rng) {
    RaceCalendar cal;
    Rotation rotation;
    int year = 0;
    const int firstSaturday = fromDay + (6 - weekday(fromDay) + 7) % 7;
    for (int sat = firstSaturday; sat <= toDay; sat += 7) {
        const std::vector<int> days = weekendDays(sat);
        if (days.empty() || days.back() > toDay) continue;
        const Ymd first = civil(days.front());
        if (first.y != year) {
            year = first.y;
            rotation.startYear(days.front() - dayNumber(year, 1, 1));
        }
        rotation.openMeetings(first.m, static_cast<int>(days.size()), rng);
        Weekend w{sat, static_cast<int>(cal.days.size()), static_cast<int>(days.size())};
        for (int d : days) {
            RaceDay rd;
            rd.day = d;
            rd.date = ymdFromDay(d);
            rd.youbi = d == sat ? 1 : d == sat + 1 ? 2 : 3;
            rd.weekend = static_cast<int>(cal.weekends.size());
            rotation.fillDay(rd);
            cal.days.push_back(rd);
        }
        cal.weekends.push_back(w);
    }
    return cal;
}

}  // namespace vantor::demo
