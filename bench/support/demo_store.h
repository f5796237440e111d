#pragma once
// The demo feed the program generates on first use, and the store an
// acquisition files from it, for benchmarks that measure what a user of
// the demo waits for.

#include <filesystem>
#include <string>

#include "text/formatted.h"

namespace vantor::bench {

struct DemoFeed {
    std::filesystem::path folder;
    int firstDate = 0;  // yyyymmdd of the first race day
    // "yyyymmddhhnnss" at the start of the first race day.
    SjisString fromTime() const { return formatted("%d000000", firstDate); }
};

// Generates the demo of `years` years up to 2024-05-27 into folder
// (replacing what is there); exits with a message when it cannot.
DemoFeed generateDemo(const std::filesystem::path& folder, int years);

// A set-up acquisition of the whole feed into a fresh program folder app,
// as `vantor-cli acquire --setup` runs it, without output. Returns the
// JVRead calls made.
long long fileDemo(const DemoFeed& feed, const std::filesystem::path& app);

// Seconds taken by a shell command (through std::system); exits when it fails.
double secondsOf(const std::string& command);

}  // namespace vantor::bench
