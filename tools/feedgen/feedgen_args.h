#pragma once
// The command line of vantor-feedgen:
//   vantor-feedgen --out DIR [--odds DIR] [--seed S] [--to yyyymmdd] [--years N] [--replace]

#include <string>
#include <vector>

#include "demo/demo_feed.h"

namespace vantor::feedgen {

struct ParsedArgs {
    demo::DemoOptions options;
    bool help = false;
    std::string error;  // empty when the arguments are usable
};

ParsedArgs parseArgs(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace vantor::feedgen
