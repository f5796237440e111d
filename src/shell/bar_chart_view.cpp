#include "shell/bar_chart_view.h"

#include <QPainter>

#include "painting/renderer.h"

namespace vantor {

BarChartView::BarChartView(QWidget* parent) : QWidget(parent) { setMinimumSize(320, 160); }

void BarChartView::setChart(views::BarChartInput chart) {
    chart_ = std::move(chart);
    update();
}

void BarChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    draw::render(painter, views::barChart(chart_, width(), height(), draw::screenMeasure()).ops);
}

}  // namespace vantor
