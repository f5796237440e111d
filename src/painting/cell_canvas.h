#pragma once
// Lays out one grid cell the way a canvas is painted: a current font size,
// boldness and text colour that stay in force until a step changes them, a
// current fill colour on which text is drawn opaquely, and text placed at
// positions and measured by the font's metrics. What it records is the
// cell's list of drawing operations, relative to the cell's top-left.

#include "painting/draw_ops.h"
#include "painting/text_measure.h"

namespace vantor::draw {

// Screen sizes given in points, for a 96 dots-per-inch screen, rounded.
constexpr int pointsToPixels(int points) { return (points * 96 + 36) / 72; }

class CellCanvas {
public:
    // A cell of the painting rectangle's size, starting from the grid's font
    // and text colour; its fill is the grid's default drawing until fill().
    // Text is measured by `measure`, which must outlive the canvas.
    CellCanvas(int width, int height, Font font, Rgb colour, const TextMeasure& measure = screenMeasure());

    int width() const { return width_; }
    int height() const { return height_; }

    // Fills the whole cell; text drawn after it is opaque on this colour.
    void fill(Rgb colour);
    void setPoints(int points) { font_.size = pointsToPixels(points); }
    void setBold(bool bold) { font_.bold = bold; }
    void setColour(Rgb colour) { colour_ = colour; }

    // Draws text with the top-left of its line at (x, y) in the current
    // font and colour; returns its width. Empty text draws nothing but is
    // still measured.
    int textOut(int x, int y, SjisView text);
    // Line height of the text drawn last: the next line lies that much lower.
    int lastHeight() const { return lastHeight_; }
    // Width of text in the current font.
    int widthOf(SjisView text) const;

    // A black line along the cell's bottom edge, left to right.
    void bottomLine();

    const Ops& ops() const { return ops_; }
    Ops take() { return std::move(ops_); }

private:
    int width_, height_;
    Font font_;
    Rgb colour_;
    std::optional<Rgb> fill_;
    int lastHeight_ = 0;
    const TextMeasure* measure_;
    Ops ops_;
};

}  // namespace vantor::draw
