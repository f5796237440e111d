#include "raceday/week_marks.h"

#include "codes/calendar.h"
#include "text/encoding.h"

namespace vantor {
namespace {

constexpr int kResultWeeksRuns = 5;  // runs whose position a week slot shows
constexpr int kLongRest = 56;
constexpr int kMaximFirstDay = 74;
constexpr int kMaximLastDay = 94;

}  // namespace

void fillWeekSlots(const TRaceRec& race, int i, TRaceMarkRec& marks) {
    for (int w = 1; w <= kWeekSlots; ++w) {
        marks.SyuDate[i][w].clear();
        marks.SyuKankaku[i][w] = 0;
        marks.SyuChakujun[i][w] = 0;
    }
    const auto raceDay = civilDayNumber(race.RunDate[i][0]);
    if (!raceDay) return;
    for (int k = 1; k <= kMaxEarlierRuns; ++k) {
        const auto runDay = civilDayNumber(race.RunDate[i][k]);
        if (!runDay) continue;
        const int days = *raceDay - *runDay;
        const int w = static_cast<int>(days / 7.0 + 0.5);
        if (w < 1 || w > kWeekSlots) continue;
        marks.SyuDate[i][w] = race.RunDate[i][k];
        marks.SyuKankaku[i][w] = k < kMaxEarlierRuns ? race.Kankaku[i][k] : 0;
        marks.SyuChakujun[i][w] = k <= kResultWeeksRuns && race.RunChakujun[i][k] >= 1 ? race.RunChakujun[i][k] : 0;
    }
}

void applyMaxim2(const TRaceRec& race, int i, TRaceMarkRec& marks) {
    static const SjisString kMaxim2 = utf8ToCp932("格言２");
    marks.Kakugen2[i].clear();
    const auto raceDay = civilDayNumber(race.RunDate[i][0]);
    int placed = 0;
    for (int w = 1; w <= kWeekSlots; ++w) {
        const int position = marks.SyuChakujun[i][w];
        if (position == 1 || position == 2) ++placed;
        if (marks.SyuKankaku[i][w] < kLongRest) continue;
        const auto runDay = civilDayNumber(marks.SyuDate[i][w]);
        if (!raceDay || !runDay) continue;
        const int days = *raceDay - *runDay;
        if (days >= kMaximFirstDay && days <= kMaximLastDay && placed == 0) {
            marks.Kakugen2[i] = kMaxim2;
            return;
        }
    }
}

}  // namespace vantor
