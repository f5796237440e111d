#pragma once
// Records a printed page the way a page canvas is drawn on: a current font
// (family, size in points, boldness, underline, colour), pen width and
// brush that stay in force until a step changes them, and texts, lines and
// rectangles at positions in page units. A fresh canvas starts from
// "ＭＳ ゴシック" 10 pt regular in black, pen 1 and a clear brush.

#include <optional>
#include <string_view>

#include "painting/page.h"

namespace vantor::draw {

class PageCanvas {
public:
    PageCanvas();

    const Font& font() const { return font_; }
    // Family, size and style at once; the colour stays.
    void setFont(std::string_view family, int points, bool bold = false, bool underline = false);
    void setPoints(int points) { font_.size = points; }
    void setBold(bool bold) { font_.bold = bold; }
    void setColour(Rgb colour) { colour_ = colour; }
    // Pen width in tenths of a 96 dots-per-inch screen pixel.
    void setPen(int width) { pen_ = width; }
    // A solid brush of the colour, or none (a clear brush).
    void setBrush(std::optional<Rgb> brush) { brush_ = brush; }

    // Text with the top-left of its line at (x, y); empty text draws nothing.
    void textOut(int x, int y, SjisView text);
    // A line with the current pen.
    void line(int x1, int y1, int x2, int y2);
    // The rectangle's inside filled with the brush, its edges with the pen.
    void rectangle(int x1, int y1, int x2, int y2);

    Page take() { return Page{std::move(ops_)}; }

private:
    Font font_;
    Rgb colour_ = kBlack;
    int pen_ = 1;
    std::optional<Rgb> brush_;
    Ops ops_;
};

}  // namespace vantor::draw
