#include "stats/stats_bands.h"

#include "text/sjis_literal.h"

namespace vantor::stats {
namespace {

struct GoingNames {
    std::string_view full, shortForm;
};
constexpr std::array<GoingNames, kGoingCount> kGoings{{{"良", "良"}, {"稍重", "稍"}, {"重", "重"}, {"不良", "不"}}};

constexpr std::array<std::string_view, 7> kHeadings{"競馬場", "芝ダ", "距離", "馬場", "クラス", "月", "人気"};

}  // namespace

SjisString surfaceName(Surface surface) {
    static const std::array<SjisString, 3> names{sjis("芝"), sjis("ダ"), sjis("障")};
    return names[static_cast<std::size_t>(surface)];
}

SjisString goingName(int going) {
    if (going < 1 || going > kGoingCount) return {};
    return sjis(kGoings[static_cast<std::size_t>(going - 1)].full);
}

std::optional<int> goingOfName(std::string_view utf8) {
    for (std::size_t i = 0; i < kGoings.size(); ++i)
        if (utf8 == kGoings[i].full || utf8 == kGoings[i].shortForm) return static_cast<int>(i) + 1;
    return std::nullopt;
}

std::optional<Dimension> dimensionOfWord(std::string_view word) {
    for (std::size_t i = 0; i < kDimensionWords.size(); ++i)
        if (word == kDimensionWords[i]) return static_cast<Dimension>(i);
    return std::nullopt;
}

SjisString dimensionHeading(Dimension by) { return sjis(kHeadings[static_cast<std::size_t>(by)]); }

}  // namespace vantor::stats
