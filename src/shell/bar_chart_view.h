#pragma once
// A bar chart pane: the chart given, laid out for the widget's size at
// every paint and played by the renderer.

#include <QWidget>

#include "painting/bar_chart_layout.h"

namespace vantor {

class BarChartView : public QWidget {
public:
    explicit BarChartView(QWidget* parent = nullptr);

    // The chart shown; repaints.
    void setChart(views::BarChartInput chart);
    const views::BarChartInput& chart() const { return chart_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    views::BarChartInput chart_;
};

}  // namespace vantor
