#include "shell/odds_chart_view.h"

#include <QPainter>

#include "painting/odds_chart_layout.h"
#include "painting/renderer.h"
#include "raceday/live_race_of.h"

namespace vantor {

OddsChartView::OddsChartView(const RaceDay& day, QWidget* parent) : QWidget(parent), day_(day) {
    setMinimumSize(320, 200);
}

void OddsChartView::setRace(int slot) {
    slot_ = slot;
    update();
}

void OddsChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (slot_ < 0 || slot_ >= day_.RaceCount) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    draw::render(painter, views::oddsChart(day_.RaceTbl[slot_], liveRaceOf(day_, slot_), day_.live().day(), width(),
                                           height(), draw::screenMeasure())
                              .ops);
}

}  // namespace vantor
