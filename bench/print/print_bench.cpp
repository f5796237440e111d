// Printing the fullest day: the 36-page newspaper document built from the
// loaded day and written as PDF must take under a second; stepping the
// preview to another page must fit in one frame of a 60 Hz screen (16 ms).
// Printed as each time's share of its budget, on the synthetic day of the
// race-day benchmark (36 races of 18 runners with full histories).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPageLayout>
#include <QPrinter>
#include <chrono>
#include <filesystem>
#include <random>

#include "painting/text_measure.h"
#include "painting_bench_main.h"
#include "print/page_files.h"
#include "print_ui/prev_x.h"
#include "raceday/day_loader.h"
#include "synthetic_day.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr double kDocumentBudgetMs = 1000;
constexpr double kFrameMs = 16;

class LoadedDay {
public:
    LoadedDay() {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("vantor-print-bench-" + std::to_string(rd()));
        const std::string name = vantor::bench::writeSyntheticDay(dir_);
        races_ = static_cast<int>(vantor::DayLoader(vantor::StorePaths(dir_)).load(name, *day_).raceItems.size());
    }
    ~LoadedDay() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    const vantor::RaceDay& day() const { return *day_; }
    int races() const { return races_; }
    fs::path pdf() const { return dir_ / "cards.pdf"; }

private:
    fs::path dir_;
    std::unique_ptr<vantor::RaceDay> day_ = vantor::RaceDay::create();
    int races_ = 0;
};

LoadedDay& loadedDay() {
    static LoadedDay d;
    return d;
}

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Each iteration builds the document from the loaded day and writes the PDF.
void BM_NewspaperDocumentToPdf(benchmark::State& state) {
    const LoadedDay& d = loadedDay();
    const vantor::draw::PrinterMeasure measure(vantor::print::kPdfDotsPerInch);
    double buildMs = 0, writeMs = 0;
    std::size_t pages = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const auto doc =
            vantor::print::raceCardDocument(d.day(), d.races(), vantor::print::RunnerOrder::number, measure);
        buildMs += msSince(start);
        const auto written = Clock::now();
        if (vantor::print::writePdf(doc, d.pdf(), doc.caption)) state.SkipWithError("cannot write the PDF");
        writeMs += msSince(written);
        pages = doc.pages.size();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["pages"] = static_cast<double>(pages);
    state.counters["build_ms"] = buildMs / n;
    state.counters["pdf_ms"] = writeMs / n;
    state.counters["budget_share"] = (buildMs + writeMs) / n / kDocumentBudgetMs;
}

// Each iteration steps the preview at 100 % to the next page and paints it,
// against painting the same widget with no page (the floor).
void BM_PreviewStep(benchmark::State& state) {
    const LoadedDay& d = loadedDay();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    const vantor::draw::PrinterMeasure measure(printer.resolution());
    const auto doc = vantor::print::raceCardDocument(d.day(), d.races(), vantor::print::RunnerOrder::number, measure);
    vantor::ui::TPrevX empty(printer), prev(printer);
    empty.SetZoomScale(100);
    prev.SetZoomScale(100);
    prev.StartDoc();
    for (std::size_t p = 0; p < doc.pages.size(); ++p) {
        if (p > 0) prev.NewPage();
        prev.PageCanvas() = doc.pages[p];
    }
    prev.EndDoc();
    double stepMs = 0, floorMs = 0;
    int page = 1;
    for (auto _ : state) {
        page = page % prev.PageCount() + 1;
        const auto start = Clock::now();
        prev.SetCurrentPage(page);
        benchmark::DoNotOptimize(prev.grab());
        stepMs += msSince(start);
        const auto floorStart = Clock::now();
        benchmark::DoNotOptimize(empty.grab());
        floorMs += msSince(floorStart);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["step_ms"] = stepMs / n;
    state.counters["vs_empty_page"] = stepMs / floorMs;
    state.counters["frame_share"] = stepMs / n / kFrameMs;
}

}  // namespace

BENCHMARK(BM_NewspaperDocumentToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PreviewStep)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return vantor::bench::runPaintingBenchmarks<QApplication>(argc, argv); }
