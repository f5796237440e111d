// Choosing a race as the main window does it: the race card's texts
// (assembleRaceCard) and the first full paint of the race card grid, every
// cell laid out and rendered into an offscreen image. It must fit in one
// frame of a 60 Hz screen (16 ms).

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <array>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <random>

#include "analysis/card_row_order.h"
#include "analysis/race_card.h"
#include "painting/fonts.h"
#include "painting/race_card_cell.h"
#include "painting/renderer.h"
#include "painting_bench_main.h"
#include "raceday/day_loader.h"
#include "synthetic_day.h"
#include "text/qt_text.h"

namespace {

namespace fs = std::filesystem;

constexpr double kFrameMs = 16.0;
// The card grid's column widths and row heights, grid lines included.
constexpr std::array<int, vantor::card::kCardColumns> kColWidths{20, 20, 34, 250, 60, 80, 140, 140, 140, 140, 140, 140};
constexpr int kHeaderHeight = 60, kRowHeight = 70;

class LoadedDay {
public:
    LoadedDay() {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("vantor-output-bench-" + std::to_string(rd()));
        const std::string name = vantor::bench::writeSyntheticDay(dir_);
        vantor::DayLoader(vantor::StorePaths(dir_)).load(name, *day_);
    }
    ~LoadedDay() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    vantor::RaceDay& day() { return *day_; }

private:
    fs::path dir_;
    std::unique_ptr<vantor::RaceDay> day_ = vantor::RaceDay::create();
};

LoadedDay& loadedDay() {
    static LoadedDay d;
    return d;
}

// The grid paints each cell its default way (fill and cell text), then the card's operations over it.
void paintCard(QPainter& painter, const vantor::RaceDay& day, int race, const vantor::RaceCardTexts& card) {
    const QFont gridFont = vantor::gothicFont(12);
    int top = 0;
    for (int row = 0; row <= card.runners; ++row) {
        const int height = row == 0 ? kHeaderHeight : kRowHeight;
        const int runner = row - 1;  // kHeaderRunner for the header row
        const vantor::SjisString number =
            row == 0 ? vantor::SjisString() : vantor::card::raceCardKeys(day, {race, runner})[0];
        int left = 0;
        for (int col = 0; col < vantor::card::kCardColumns; ++col) {
            const QRect rect(left, top, kColWidths[col] - 1, height - 1);
            painter.setClipRect(rect);
            painter.fillRect(
                rect, row == 0 || col < vantor::card::kFirstRunColumn ? QColor(240, 240, 240) : QColor(Qt::white));
            painter.setFont(gridFont);
            if (col == vantor::card::kNumberColumn && row > 0)
                painter.drawText(rect.adjusted(2, 2, 0, 0), vantor::toQString(number));
            const vantor::card::CellBox box{rect.width(), rect.height(), 1};
            vantor::draw::render(painter, vantor::card::StringGrid4DrawCell(day, race, runner, col, box, {}, false),
                                 rect.topLeft());
            left += kColWidths[col];
        }
        top += height;
    }
}

// Time the user-interface thread spends, whatever else the machine runs.
double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Each iteration chooses the next race of the day. Printed: the mean time
// of a switch on the clock and in the thread's own processor time, and
// the latter as a share of a frame.
void BM_ChooseRace(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    vantor::RaceDay& day = loadedDay().day();
    QImage image(1270, kHeaderHeight + vantor::kMaxRunners * kRowHeight, QImage::Format_ARGB32_Premultiplied);
    int race = 0;
    Clock::duration wall{};
    double cpuMs = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const double cpuStart = threadCpuMs();
        const vantor::RaceCardTexts card = vantor::assembleRaceCard(day, race);
        QPainter painter(&image);
        paintCard(painter, day, race, card);
        painter.end();
        cpuMs += threadCpuMs() - cpuStart;
        wall += Clock::now() - start;
        race = (race + 1) % day.RaceCount;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["races"] = day.RaceCount;
    state.counters["switch_ms"] = std::chrono::duration<double, std::milli>(wall).count() / n;
    state.counters["switch_cpu_ms"] = cpuMs / n;
    state.counters["frame_share"] = cpuMs / n / kFrameMs;
}

}  // namespace

BENCHMARK(BM_ChooseRace)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return vantor::bench::runPaintingBenchmarks<QGuiApplication>(argc, argv); }
