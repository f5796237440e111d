#pragma once
// What every cell of the race card grid is laid out with: the painting
// rectangle's size, the text origin inside it, the grid's own font and the
// card's colours.

#include "painting/cell_canvas.h"
#include "painting/fonts.h"

namespace vantor::card {

// The painting rectangle of a cell (the cell without the grid line on its
// right and bottom) and the width of the grid lines.
struct CellBox {
    int width = 0;
    int height = 0;
    int gridLine = 1;

    // Where a cell's text starts: one pixel inside the grid line.
    int x0() const { return gridLine + 1; }
    int y0() const { return gridLine + 1; }
};

// Colours the card takes from the desktop.
struct CardColours {
    draw::Rgb infoBackground{255, 255, 225};  // the tooltip background
};

inline constexpr draw::Rgb kSilver{0xC0, 0xC0, 0xC0};
inline constexpr draw::Rgb kTurfGreen{0x00, 0x80, 0x00};
inline constexpr draw::Rgb kDirtMaroon{0x80, 0x00, 0x00};
// The chosen row's user-mark cell: the row the mark keys go to.
inline constexpr draw::Rgb kChosenFill{0x30, 0x8C, 0xC6};

// The grid's font: "ＭＳ ゴシック", 12 pixels, regular.
inline draw::Font gridFont() { return {std::string(kGothicFamily), 12, false, false}; }

// A cell canvas that starts, like every cell, from the grid font in black.
inline draw::CellCanvas cardCanvas(const CellBox& box) {
    return draw::CellCanvas(box.width, box.height, gridFont(), draw::kBlack);
}

}  // namespace vantor::card
