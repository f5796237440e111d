#include "codes/odds_pairs.h"

#include "text/formatted.h"

namespace vantor {
namespace {

SjisString pairText(int a, int b) { return padLeft(formatted("%d", a), 2) + "-" + padLeft(formatted("%d", b), 2); }

}  // namespace

int WakurenIndex(SjisView text) {
    constexpr int kBrackets = 8;
    const int a = lenientInt(field(text, 1, 2));
    const int b = lenientInt(field(text, 4, 2));
    if (a < 1 || a > b || b > kBrackets) return 0;
    // Reading leniently accepts "01- 1" or " 1-1x"; only the exact text counts.
    if (pairText(a, b) != text) return 0;
    int index = 0;
    for (int first = 1; first < a; ++first) index += kBrackets - first + 1;
    return index + (b - a) + 1;
}

std::optional<SjisString> UmarenPairText(int k) {
    constexpr int kHorses = 18;
    if (k < 1) return std::nullopt;
    for (int a = 1; a < kHorses; ++a) {
        const int pairsOfA = kHorses - a;
        if (k <= pairsOfA) return pairText(a, a + k);
        k -= pairsOfA;
    }
    return std::nullopt;
}

}  // namespace vantor
