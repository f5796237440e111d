#include "painting/page_canvas.h"

#include "painting/fonts.h"

namespace vantor::draw {

PageCanvas::PageCanvas() : font_{std::string(kGothicFamily), 10, false, false} {}

void PageCanvas::setFont(std::string_view family, int points, bool bold, bool underline) {
    font_ = Font{std::string(family), points, bold, underline};
}

void PageCanvas::textOut(int x, int y, SjisView text) {
    if (text.empty()) return;
    ops_.emplace_back(Text{x, y, SjisString(text), font_, colour_, std::nullopt});
}

void PageCanvas::line(int x1, int y1, int x2, int y2) { ops_.emplace_back(Line{x1, y1, x2, y2, kBlack, pen_}); }

void PageCanvas::rectangle(int x1, int y1, int x2, int y2) {
    if (brush_) ops_.emplace_back(Fill{x1, y1, x2 - x1, y2 - y1, *brush_});
    ops_.emplace_back(Frame{x1, y1, x2 - x1, y2 - y1, kBlack, pen_});
}

}  // namespace vantor::draw
