#pragma once
// Plays drawing operations on a QPainter: a grid cell's list in screen
// pixels, a page's at any scale. The preview, the printer, PDF and PNG all
// paint pages through paintPage.

#include <QFont>
#include <QPoint>
#include <QPointF>

#include "painting/draw_ops.h"
#include "painting/page.h"

class QPainter;

namespace vantor::draw {

// The screen the pixel sizes of the grids are made for.
inline constexpr int kScreenDotsPerInch = 96;

QFont toQFont(const Font& font);

// Plays a screen list with its coordinates moved by origin (a cell's top-left).
void render(QPainter& painter, const Ops& ops, QPoint origin = {});

// How a page lands on a painter: painter pixels per inch, the resolution
// its pens are set for (a printer's: the preview shows a page as the
// printer prints it), and where the page's top-left corner lies.
struct PageScale {
    double dotsPerInch = 600;
    int penDotsPerInch = 600;
    QPointF origin;
};

void paintPage(QPainter& painter, const Page& page, const PageScale& scale);

}  // namespace vantor::draw
