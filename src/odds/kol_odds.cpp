#include "odds/kol_odds.h"

#include <array>
#include <iterator>

#include "codes/odds_pairs.h"
#include "odds/yoz_line.h"

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

void appendPairOdds(SjisString& out, SjisView line, int k, bool horsePairs) {
    if (horsePairs)
        return appendKolOddsField(out, field(line, 432 + 7 * (k - 1), 7), kHorsePairPlaceholder, kPairWidth);
    const int t = bracketPairOf(k);
    if (t == 0) return (void)out.append(kPairWidth, ' ');
    appendKolOddsField(out, field(line, 252 + 5 * (t - 1), 5), kBracketPairPlaceholder, kPairWidth);
}

// Appends tenths as "%<width>.1f" writes tenths / 10, exactly: digits from
// the right, the last one behind the point, at least one before it.
void appendTenths(SjisString& out, long long tenths, std::size_t width) {
    char digits[24];
    char* first = std::end(digits);
    unsigned long long rest = tenths < 0 ? 0ULL - static_cast<unsigned long long>(tenths) : tenths;
    *--first = static_cast<char>('0' + rest % 10);
    *--first = '.';
    rest /= 10;
    do {
        *--first = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (tenths < 0) *--first = '-';
    const std::size_t length = static_cast<std::size_t>(std::end(digits) - first);
    if (length < width) out.append(width - length, ' ');
    out.append(first, length);
}

}  // namespace

void appendKolOddsField(SjisString& out, SjisView text, SjisView placeholder, std::size_t width) {
    const SjisView value = trimBlanks(text);
    if (value == "*") return (void)(out += placeholder);
    if (value == "-") return (void)out.append(width, ' ');
    appendTenths(out, lenientNumber(value), width);
}

bool kolUsesHorsePairs(SjisView line, bool chosenDayFrom2005) {
    return chosenDayFrom2005 || lenientNumber(runnersField(line)) > 8;
}

SjisString kolYozLine(SjisView line, bool horsePairs) {
    SjisString out;
    out.reserve(kYozLineLength);
    appendSourceField(out, line, 13, 8);  // date
    appendSourceField(out, line, 1, 2);   // racecourse number
    appendSourceField(out, line, 7, 6);   // meeting, day of meeting, race number
    out += 'K';
    appendSourceField(out, runnersField(line), 1, 2);
    for (int i = 0; i < kYozHorses; ++i)
        appendKolOddsField(out, field(line, 162 + 5 * i, 5), kWinPlaceholder, kWinWidth);
    out.append(kYozHorses * kWinWidth, ' ');  // KOL gives no place odds
    for (int k = 1; k <= kYozHorsePairs; ++k) appendPairOdds(out, line, k, horsePairs);
    return out;
}

}  // namespace vantor
