#pragma once
// The groups a record is broken down by: surfaces, goings, distance bands
// and popularity bands, each a named table defined once here, and the
// dimensions themselves. Names are UTF-8 literals, given to the views in
// Shift-JIS.

#include <array>
#include <optional>
#include <string_view>

#include "codes/track_surface.h"
#include "text/sjis.h"

namespace vantor::stats {

using vantor::Surface;
using vantor::surfaceOfTrack;
// "芝", "ダ", "障".
SjisString surfaceName(Surface surface);

// The going codes 1-4: "良", "稍重", "重", "不良"; the short forms "良",
// "稍", "重", "不" name them on the command line.
inline constexpr int kGoingCount = 4;
SjisString goingName(int going);
// The going code of a short or full name (UTF-8); none for another text.
std::optional<int> goingOfName(std::string_view utf8);

struct Band {
    std::string_view name;  // UTF-8
    int low, high;          // inclusive
};

// Race distances in metres.
inline constexpr std::array<Band, 5> kDistanceBands{{
    {"短距離 ～1400m", 1, 1400},
    {"マイル 1401～1800m", 1401, 1800},
    {"中距離 1801～2200m", 1801, 2200},
    {"中長距離 2201～2600m", 2201, 2600},
    {"長距離 2601m～", 2601, 99999},
}};

// Popularity (the rank of a runner's win odds in its race).
inline constexpr std::array<Band, 6> kPopularityBands{{
    {"1番人気", 1, 1},
    {"2番人気", 2, 2},
    {"3番人気", 3, 3},
    {"4～5番人気", 4, 5},
    {"6～9番人気", 6, 9},
    {"10番人気～", 10, 99},
}};

// The band of value in bands, as its index; none outside every band.
template <std::size_t N>
std::optional<int> bandOf(const std::array<Band, N>& bands, int value) {
    for (std::size_t i = 0; i < N; ++i)
        if (value >= bands[i].low && value <= bands[i].high) return static_cast<int>(i);
    return std::nullopt;
}

// What a record is broken down by.
enum class Dimension { course, surface, distance, going, raceClass, month, popularity };
inline constexpr std::array<std::string_view, 7> kDimensionWords{"course", "surface", "distance",  "going",
                                                                 "class",  "month",   "popularity"};
// The dimension of its command-line word ("course", "going", ...).
std::optional<Dimension> dimensionOfWord(std::string_view word);
// The heading of a breakdown's first column: "競馬場", "馬場", "距離", ...
SjisString dimensionHeading(Dimension by);

}  // namespace vantor::stats
