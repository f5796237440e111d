#include "components/speed_button.h"

#include <QColor>

namespace vantor::ui {
namespace {

const QColor kHotTrackColour(0, 0, 255);

}  // namespace

TSpeedButton::TSpeedButton(const QString& caption, QWidget* parent) : QToolButton(parent) {
    setText(caption);
    setAutoRaise(true);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
}

void TSpeedButton::enterEvent(QEnterEvent* event) {
    QToolButton::enterEvent(event);
    applyHot(true);
}

void TSpeedButton::leaveEvent(QEvent* event) {
    QToolButton::leaveEvent(event);
    applyHot(false);
}

void TSpeedButton::applyHot(bool hot) {
    if (hot == hot_) return;
    hot_ = hot;
    if (!hot) {
        setPalette(normal_);
        return;
    }
    normal_ = palette();
    QPalette colours = normal_;
    colours.setColor(QPalette::ButtonText, kHotTrackColour);
    setPalette(colours);
}

}  // namespace vantor::ui
