#pragma once
// Katakana horse names with their roman spelling, put together from lists
// of words and of two-syllable pieces; a namer never hands out the same name twice.

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "demo/rng.h"
#include "text/sjis.h"

namespace vantor::demo {

struct HorseName {
    SjisString kana;    // 2 to 9 full-width characters
    std::string roman;  // e.g. "Gold Hayate"
};

class HorseNamer {
public:
    explicit HorseNamer(std::uint64_t seed);

    HorseName make();

private:
    HorseName compose();
    const HorseName& draw(const std::vector<HorseName>& parts) {
        return parts[static_cast<std::size_t>(rng_.between(0, static_cast<int>(parts.size()) - 1))];
    }
    HorseName syllables(int pieces);

    Rng rng_;
    std::vector<HorseName> heads_, tails_, syllables_;
    std::unordered_set<SjisString> used_;
};

}  // namespace vantor::demo
