#pragma once
// Bracket (frame) colours, as every grid fills a runner's bracket cell:
// 1 white, 2 grey, 3 red, 4 blue, 5 yellow, 6 green, 7 orange, 8 magenta.

#include <array>
#include <optional>

#include "painting/draw_ops.h"

namespace vantor::draw {

// The fill of bracket 1 to 8; other numbers have none.
constexpr std::optional<Rgb> bracketColour(int bracket) {
    constexpr std::array<Rgb, 8> fills{{
        {255, 255, 255},
        {128, 128, 128},
        {255, 0, 0},
        {0, 0, 255},
        {255, 255, 0},
        {0, 255, 0},
        {255, 128, 0},
        {255, 0, 255},
    }};
    if (bracket < 1 || bracket > 8) return std::nullopt;
    return fills[static_cast<std::size_t>(bracket - 1)];
}

// Digits on a bracket: black on the light brackets 1 and 5, white on all others.
constexpr Rgb bracketDigitColour(int bracket) { return bracket == 1 || bracket == 5 ? kBlack : kWhite; }

}  // namespace vantor::draw
