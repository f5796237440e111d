#pragma once
// A printed page as data: drawing operations in page units (draw::Unit::page)
// on A4 portrait, whose printable area is the whole sheet.

#include "painting/draw_ops.h"

namespace vantor::draw {

// A4 portrait in page units (0.1 mm).
inline constexpr int kA4Width = 2100;
inline constexpr int kA4Height = 2970;

struct Page {
    Ops ops;
};

// A pen width given in tenths of a pixel of a 96 dots-per-inch screen, in
// dots of a device of dotsPerInch: rounded, at least one dot.
int ScaledPenWidth(int tenthsOfScreenPixel, int dotsPerInch);

}  // namespace vantor::draw
