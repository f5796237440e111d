#pragma once
// The main() of a benchmark that lays out or paints text: an offscreen
// application of type App with the program's font substitutes, around
// Google Benchmark.

#include <benchmark/benchmark.h>

#include <QtGlobal>

#include "painting/fonts.h"

namespace vantor::bench {

template <typename App>
int runPaintingBenchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    App app(argc, argv);
    registerFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace vantor::bench
