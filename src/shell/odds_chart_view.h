#pragma once
// The odds pane's chart: the win odds movement of the race shown, laid out
// for the widget's size at every paint and played by the renderer.

#include <QWidget>

#include "raceday/race_day.h"

namespace vantor {

class OddsChartView : public QWidget {
public:
    explicit OddsChartView(const RaceDay& day, QWidget* parent = nullptr);

    // The race slot shown; repaints.
    void setRace(int slot);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const RaceDay& day_;
    int slot_ = -1;
};

}  // namespace vantor
