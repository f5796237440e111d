#include "painting/cell_canvas.h"

namespace vantor::draw {

CellCanvas::CellCanvas(int width, int height, Font font, Rgb colour, const TextMeasure& measure)
    : width_(width), height_(height), font_(std::move(font)), colour_(colour), measure_(&measure) {}

void CellCanvas::fill(Rgb colour) {
    fill_ = colour;
    ops_.emplace_back(Fill{0, 0, width_, height_, colour});
}

int CellCanvas::textOut(int x, int y, SjisView text) {
    lastHeight_ = measure_->lineHeight(font_);
    if (text.empty()) return 0;
    ops_.emplace_back(Text{x, y, SjisString(text), font_, colour_, fill_});
    return widthOf(text);
}

int CellCanvas::widthOf(SjisView text) const { return measure_->textWidth(font_, text); }

void CellCanvas::bottomLine() {
    const int bottom = height_ - 1;
    ops_.emplace_back(Line{0, bottom, width_ - 1, bottom, kBlack, 1});
}

}  // namespace vantor::draw
