#include "output/renderer.h"

#include <QFontMetrics>
#include <QPainter>

#include "text/qt_text.h"

namespace vantor::draw {
namespace {

QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

struct Player {
    QPainter& p;
    QPoint o;

    void operator()(const Fill& f) const { p.fillRect(QRect(o.x() + f.x, o.y() + f.y, f.w, f.h), toQColor(f.color)); }
    void operator()(const Text& t) const {
        const QFont font = toQFont(t.font);
        p.setFont(font);
        p.setPen(toQColor(t.color));
        p.drawText(QPoint(o.x() + t.x, o.y() + t.y + QFontMetrics(font).ascent()), toQString(t.text));
    }
    void operator()(const Line& l) const {
        p.setPen(QPen(toQColor(l.color), l.width));
        p.drawLine(o.x() + l.x1, o.y() + l.y1, o.x() + l.x2, o.y() + l.y2);
    }
    void operator()(const Frame& f) const {
        p.setPen(QPen(toQColor(f.color), f.width));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(o.x() + f.x, o.y() + f.y, f.w - 1, f.h - 1));
    }
};

}  // namespace

QFont toQFont(const Font& font) {
    QFont f(QString::fromStdString(font.family));
    f.setPixelSize(font.pixelSize);
    f.setBold(font.bold);
    f.setUnderline(font.underline);
    return f;
}

void render(QPainter& painter, const Ops& ops, QPoint origin) {
    painter.save();
    const Player player{painter, origin};
    for (const Op& op : ops) std::visit(player, op);
    painter.restore();
}

int lineHeight(const Font& font) { return QFontMetrics(toQFont(font)).height(); }

int textWidth(const Font& font, SjisView text) {
    return QFontMetrics(toQFont(font)).horizontalAdvance(toQString(text));
}

}  // namespace vantor::draw
