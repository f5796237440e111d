#include "raceday/trainer_list.h"

#include <algorithm>

#include "raceday/sorted_list.h"
#include "text/formatted.h"

namespace vantor {
namespace {

constexpr int kCountBase = 999;

int runnersOf(const RaceDay& day, SjisView name) {
    int count = 0;
    for (const TRaceRec& race : day.RaceTbl) {
        if (race.RacePresent != 1) continue;
        count += static_cast<int>(std::count(race.ChokName.begin(), race.ChokName.end(), name));
    }
    return count;
}

SjisString threeDigits(int n) { return formatted("%3d", n); }

}  // namespace

void addTrainer(RaceDay& day, SjisView name) {
    if (!trimBlanks(name).empty()) insertSortedUnique(day.ChokList, name);
}

std::vector<SjisString> orderTrainers(RaceDay& day) {
    day.ChokSortList.clear();
    for (const SjisString& name : day.ChokList)
        day.ChokSortList.push_back(threeDigits(kCountBase - runnersOf(day, name)) + name);
    day.ChokList.clear();
    for (const SjisString& entry : day.ChokSortList) insertSortedUnique(day.ChokList, entry);

    std::vector<SjisString> items;
    items.reserve(day.ChokList.size());
    for (const SjisString& entry : day.ChokList)
        items.push_back(SjisString(field(entry, 4, 8)) + threeDigits(kCountBase - lenientInt(field(entry, 1, 3))));
    return items;
}

}  // namespace vantor
