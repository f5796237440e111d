#pragma once
// The demo feed of the live tests: a year of the demo season up to
// 2024-05-27, whose newest race day, 2024-05-26, has its real-time day in
// realtime/20240526/.

#include <filesystem>

#include "demo/demo_feed.h"

namespace vantor::test {

inline demo::DemoResult makeDemoLiveFeed(const std::filesystem::path& out) {
    demo::DemoOptions options;
    options.out = out;
    options.toDate = 20240527;
    options.years = 1;
    return demo::generateDemoFeed(options);
}

}  // namespace vantor::test
