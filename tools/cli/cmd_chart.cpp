// vantor-cli chart: the movement of a race's win odds over the day's time
// series, the picture the window's chart pane shows, as a PNG and
// optionally a PDF.

#include <QGuiApplication>
#include <iostream>

#include "commands.h"
#include "offscreen_app.h"
#include "painting/odds_chart_layout.h"
#include "painting/ops_files.h"
#include "race_view.h"
#include "raceday/live_race_of.h"

namespace vantor::cli {
namespace {

constexpr int kChartWidth = 960, kChartHeight = 600;

}  // namespace

int chart(const Context& ctx) {
    const auto png = ctx.args.value("--png");
    if (!png) {
        std::cerr << "chart needs --png FILE\n";
        return 2;
    }
    const std::optional<RaceView> view = openRace(ctx);
    if (!view) return 2;
    const OffscreenApp<QGuiApplication> app;
    const RaceDay& day = *view->day;
    const views::OddsChart picture =
        views::oddsChart(day.RaceTbl[view->race], liveRaceOf(day, view->race), day.live().day(), kChartWidth,
                         kChartHeight, draw::screenMeasure());
    if (!picture.scale) std::cerr << "the race has no win odds time series\n";
    if (const auto error = draw::writeOpsPng(picture.ops, kChartWidth, kChartHeight, *png)) {
        std::cerr << *error << '\n';
        return 1;
    }
    std::cout << *png << '\n';
    if (const auto pdf = ctx.args.value("--pdf")) {
        if (const auto error = draw::writeOpsPdf(picture.ops, kChartWidth, kChartHeight, *pdf, "Vantor odds chart")) {
            std::cerr << *error << '\n';
            return 1;
        }
        std::cout << *pdf << '\n';
    }
    return 0;
}

}  // namespace vantor::cli
