#include "odds/kol_odds.h"

#include <algorithm>
#include <array>

#include "codes/odds_pairs.h"
#include "odds/yoz_line.h"

namespace vantor {
namespace {

constexpr SjisView kWinPlaceholder = "  50.0";
constexpr SjisView kHorsePairPlaceholder = "  1000.0";
constexpr SjisView kBracketPairPlaceholder = "   100.0";

// The bracket pair numbered like horse pair k (1-based): horses 1 to 8
// only, 0 for the others. Worked out once: every line asks for all of them.
int bracketPairOf(int k) {
    static const std::array<int, yoz::kHorsePairs + 1> table = [] {
        std::array<int, yoz::kHorsePairs + 1> t{};
        for (int pair = 1; pair <= yoz::kHorsePairs; ++pair)
            t[pair] = WakurenIndex(UmarenPairText(pair).value_or(SjisString()));
        return t;
    }();
    return table[static_cast<std::size_t>(k)];
}

// Tenths as "%.1f" writes tenths / 10, exactly: digits from the right, the
// last one behind the point, at least one before it; in the end of buffer.
SjisView tenthsText(long long tenths, std::array<char, 24>& buffer) {
    char* first = buffer.data() + buffer.size();
    unsigned long long rest = tenths < 0 ? 0ULL - static_cast<unsigned long long>(tenths) : tenths;
    *--first = static_cast<char>('0' + rest % 10);
    *--first = '.';
    rest /= 10;
    do {
        *--first = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (tenths < 0) *--first = '-';
    return sjisBytes(std::string_view(first, static_cast<std::size_t>(buffer.data() + buffer.size() - first)));
}

// One KOL odds field into occurrence n of ".yoz" field f, right-aligned as
// appendKolOddsField writes it in the field's width; "-" leaves it blank.
void putKolOdds(SjisString& out, jvdata::Field f, int n, SjisView text, SjisView placeholder) {
    const SjisView value = trimBlanks(text);
    if (value == "*") return putYozField(out, f, 0, placeholder, n);
    if (value == "-") return;
    std::array<char, 24> buffer;
    const SjisView odds = tenthsText(lenientNumber(value), buffer);
    putYozField(out, f, f.len - std::min<std::size_t>(odds.size(), f.len), odds, n);
}

void putPairOdds(SjisString& out, SjisView line, int k, bool horsePairs) {
    if (horsePairs)
        return putKolOdds(out, yoz::QuinellaOdds, k, jvdata::get(line, kol::QuinellaOdds, k), kHorsePairPlaceholder);
    const int t = bracketPairOf(k);
    if (t != 0) putKolOdds(out, yoz::QuinellaOdds, k, jvdata::get(line, kol::BracketOdds, t), kBracketPairPlaceholder);
}

}  // namespace

void appendKolOddsField(SjisString& out, SjisView text, SjisView placeholder, std::size_t width) {
    const SjisView value = trimBlanks(text);
    if (value == "*") return (void)(out += placeholder);
    if (value == "-") return (void)out.append(width, ' ');
    std::array<char, 24> buffer;
    const SjisView odds = tenthsText(lenientNumber(value), buffer);
    if (odds.size() < width) out.append(width - odds.size(), ' ');
    out += odds;
}

bool kolUsesHorsePairs(SjisView line, bool chosenDayFrom2005) {
    return chosenDayFrom2005 || lenientNumber(jvdata::get(line, kol::Runners)) > 8;
}

SjisString kolYozLine(SjisView line, bool horsePairs) {
    SjisString out = blankYozLine();
    copySourceField(out, yoz::Date, line, kol::Date);
    copySourceField(out, yoz::CourseCode, line, kol::Course);
    copySourceField(out, yoz::Kaiji, line, kol::Kaiji);
    copySourceField(out, yoz::Nichiji, line, kol::Nichiji);
    copySourceField(out, yoz::RaceNum, line, kol::RaceNum);
    putYozField(out, yoz::Source, 0, "K");
    copySourceField(out, yoz::Runners, line, kol::Runners);
    for (int i = 1; i <= yoz::kHorses; ++i)
        putKolOdds(out, yoz::WinOdds, i, jvdata::get(line, kol::WinOdds, i), kWinPlaceholder);
    // KOL gives no place odds: they stay blank.
    for (int k = 1; k <= yoz::kHorsePairs; ++k) putPairOdds(out, line, k, horsePairs);
    return out;
}

}  // namespace vantor
