#include "odds/kol_odds.h"

#include <array>

#include "codes/odds_pairs.h"
#include "odds/yoz_line.h"
#include "text/formatted.h"

namespace vantor {
namespace {

constexpr SjisView kWinPlaceholder = "  50.0";
constexpr SjisView kHorsePairPlaceholder = "  1000.0";
constexpr SjisView kBracketPairPlaceholder = "   100.0";
constexpr std::size_t kWinWidth = 6, kPairWidth = 8;

SjisView runnersField(SjisView line) { return field(line, 110, 2); }

// The bracket pair numbered like horse pair k (1-based): horses 1 to 8
// only, 0 for the others. Worked out once: every line asks for all of them.
int bracketPairOf(int k) {
    static const std::array<int, kYozHorsePairs + 1> table = [] {
        std::array<int, kYozHorsePairs + 1> t{};
        for (int pair = 1; pair <= kYozHorsePairs; ++pair) t[pair] = WakurenIndex(UmarenPairText(pair).value_or(""));
        return t;
    }();
    return table[static_cast<std::size_t>(k)];
}

SjisString pairOdds(SjisView line, int k, bool horsePairs) {
    if (horsePairs) return kolOddsField(field(line, 432 + 7 * (k - 1), 7), kHorsePairPlaceholder, kPairWidth);
    const int t = bracketPairOf(k);
    if (t == 0) return SjisString(kPairWidth, ' ');
    return kolOddsField(field(line, 252 + 5 * (t - 1), 5), kBracketPairPlaceholder, kPairWidth);
}

}  // namespace

SjisString kolOddsField(SjisView text, SjisView placeholder, std::size_t width) {
    const SjisView value = trimBlanks(text);
    if (value == "*") return SjisString(placeholder);
    if (value == "-") return SjisString(width, ' ');
    return formatted("%*.1f", static_cast<int>(width), static_cast<double>(lenientNumber(value)) / 10);
}

bool kolUsesHorsePairs(SjisView line, bool chosenDayFrom2005) {
    return chosenDayFrom2005 || lenientNumber(runnersField(line)) > 8;
}

SjisString kolYozLine(SjisView line, bool horsePairs) {
    SjisString out;
    out.reserve(kYozLineLength);
    out += sourceField(line, 13, 8);  // date
    out += sourceField(line, 1, 2);   // racecourse number
    out += sourceField(line, 7, 6);   // meeting, day of meeting, race number
    out += "K";
    out += sourceField(runnersField(line), 1, 2);
    for (int i = 0; i < kYozHorses; ++i) out += kolOddsField(field(line, 162 + 5 * i, 5), kWinPlaceholder, kWinWidth);
    out += SjisString(kYozHorses * kWinWidth, ' ');  // KOL gives no place odds
    for (int k = 1; k <= kYozHorsePairs; ++k) out += pairOdds(line, k, horsePairs);
    return out;
}

}  // namespace vantor
