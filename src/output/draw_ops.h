#pragma once
// Painting as data: a layout step turns a grid cell or a printed page into a
// list of drawing operations, and one renderer plays the list on a
// QPainter (screen, preview, PDF and PNG alike). Tests assert on the list.
//
// Coordinates are in the target's units (pixels for grids), relative to
// the cell or page. A text run's (x, y) is the top-left corner of its line,
// as the racing card layouts give positions.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "text/sjis.h"

namespace vantor::draw {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};

// A font by the family name the layouts use ("ＭＳ ゴシック" and
// "ＭＳ Ｐゴシック" are substituted by the IPA gothic fonts).
struct Font {
    std::string family;  // UTF-8
    int pixelSize = 12;
    bool bold = false;
    bool underline = false;
    friend bool operator==(const Font&, const Font&) = default;
};

struct Fill {
    int x = 0, y = 0, w = 0, h = 0;
    Rgb color;
    friend bool operator==(const Fill&, const Fill&) = default;
};

struct Text {
    int x = 0, y = 0;
    SjisString text;
    Font font;
    Rgb color;
    // When set, the text's line box (its width by the font's line height) is
    // filled with this colour first: the text is drawn opaquely.
    std::optional<Rgb> background;
    friend bool operator==(const Text&, const Text&) = default;
};

struct Line {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Rgb color;
    int width = 1;
    friend bool operator==(const Line&, const Line&) = default;
};

// A rectangle outline.
struct Frame {
    int x = 0, y = 0, w = 0, h = 0;
    Rgb color;
    int width = 1;
    friend bool operator==(const Frame&, const Frame&) = default;
};

using Op = std::variant<Fill, Text, Line, Frame>;
using Ops = std::vector<Op>;

}  // namespace vantor::draw
