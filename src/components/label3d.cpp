#include "components/label3d.h"

#include <QPainter>

namespace vantor::ui {

TLabel3D::TLabel3D(QWidget* parent) : QLabel(parent) {}

void TLabel3D::setStyle3D(Style3D style) {
    style3D_ = style;
    update();
}

void TLabel3D::setColor(const QColor& colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colour);
    setPalette(colours);
    // Containers such as tool bars hand their own background role down.
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
}

void TLabel3D::setFontColor(const QColor& colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
}

void TLabel3D::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const int flags = static_cast<int>(alignment());
    if (style3D_ != Style3D::flat) {
        const QColor light = palette().color(QPalette::Light);
        const QColor shadow = palette().color(QPalette::Dark);
        const bool raised = style3D_ == Style3D::raised;
        painter.setPen(raised ? light : shadow);
        painter.drawText(area.translated(-1, -1), flags, text());
        painter.setPen(raised ? shadow : light);
        painter.drawText(area.translated(1, 1), flags, text());
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, flags, text());
}

}  // namespace vantor::ui
