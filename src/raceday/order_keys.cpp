#include "raceday/order_keys.h"

#include "raceday/sorted_list.h"
#include "text/formatted.h"

namespace vantor {
namespace {

constexpr std::size_t kMinKeysToRank = 4;

}  // namespace

SjisString orderKey(int popularity, int position, int number) {
    if (popularity < 1) return SjisString(trimBlanks(formatted("f99%2d", number)));
    char kind = 'e';
    if (position >= 1) kind = popularity < 5 ? (position < 4 ? 'a' : 'c') : (position < 4 ? 'b' : 'd');
    return SjisString(trimBlanks(formatted("%c%2d%2d", kind, popularity, number)));
}

void buildOrderKeys(const TRaceRec& race, TRaceMarkRec& marks, std::vector<SjisString>& sortKeys) {
    const bool hasResults = race.HrLoaded == 1;
    for (int i = 0; i < kMaxRunners; ++i) {
        const int popularity = hasResults ? race.KekkaNinki[i] : race.RunNinki[i][1];
        const int position = hasResults ? race.KekkaChakujun[i] : race.RunChakujun[i][1];
        marks.SortKey[i] = orderKey(popularity, position, i + 1);
        insertSorted(sortKeys, marks.SortKey[i]);
    }
}

void rankByOrderKeys(const std::vector<SjisString>& sortKeys, TRaceMarkRec& marks) {
    if (sortKeys.size() < kMinKeysToRank) return;
    for (std::size_t n = 0; n < sortKeys.size(); ++n) {
        const int number = lenientInt(field(sortKeys[n], 4, 2));
        if (number >= 1 && number <= kMaxRunners) marks.SortRank[number - 1] = static_cast<i32>(n + 1);
    }
}

}  // namespace vantor
