#include "components/up_down.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <algorithm>

namespace vantor::ui {
namespace {

QToolButton* arrowButton(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    return button;
}

}  // namespace

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent), down_(arrowButton(Qt::LeftArrow, this)), up_(arrowButton(Qt::RightArrow, this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(down_);
    layout->addWidget(up_);
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
}

void TUpDown::setPosition(int position) { position_ = std::clamp(position, 0, std::max(0, maximum_)); }

void TUpDown::setMaximum(int maximum) {
    maximum_ = maximum;
    setPosition(position_);
}

void TUpDown::step(int by) {
    setPosition(position_ + by);
    emit clicked();
}

}  // namespace vantor::ui
