#pragma once
// Painting as data: a layout step turns a grid cell or a printed page into a
// list of drawing operations, and one renderer plays the list on a
// QPainter (screen, preview, PDF and PNG alike). Tests assert on the list.
//
// Every list is in one of two units (draw::Unit): a grid cell's list in
// screen pixels (positions, font sizes and pen widths), a printed page's in
// page units (positions in tenths of a millimetre from the page's top-left
// corner, font sizes in points, pen widths in tenths of a pixel of a
// 96 dots-per-inch screen, see ScaledPenWidth), so that a page never
// depends on the screen or printer it was made for. A text run's (x, y) is
// the top-left corner of its line, as the racing layouts give positions.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "text/sjis.h"

namespace vantor::draw {

enum class Unit {
    screenPixel,  // grid cells
    page,         // printed pages: 0.1 mm, points, tenths of a screen pixel
};

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
    int size = 12;       // pixels on screen lists, points on pages
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

// A rectangle outline. On screen it covers w by h pixels; on a page its
// pen runs along the edges from (x, y) to (x + w, y + h).
struct Frame {
    int x = 0, y = 0, w = 0, h = 0;
    Rgb color;
    int width = 1;
    friend bool operator==(const Frame&, const Frame&) = default;
};

using Op = std::variant<Fill, Text, Line, Frame>;
using Ops = std::vector<Op>;

}  // namespace vantor::draw
