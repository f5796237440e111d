#pragma once
// Plays drawing operations on a QPainter.

#include <QFont>
#include <QPoint>

#include "output/draw_ops.h"

class QPainter;

namespace vantor::draw {

QFont toQFont(const Font& font);

// Plays ops with their coordinates moved by origin (a cell's or a page's top-left).
void render(QPainter& painter, const Ops& ops, QPoint origin = {});

// Line height of a font, from its metrics (its em height in pixels): what
// layouts step by between lines.
int lineHeight(const Font& font);
// Width of a text in a font.
int textWidth(const Font& font, SjisView text);

}  // namespace vantor::draw
