#include "process_run.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace vantor::bench {
namespace {

// A shell word: the argument in single quotes.
std::string quoted(const std::string& arg) {
    std::string q = "'";
    for (const char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

}  // namespace

ProcessRun runProcess(std::vector<std::string> args) {
    std::string command = quoted(VANTOR_PROCESS_PEAK);
    for (const std::string& a : args) command += ' ' + quoted(a);
    ProcessRun run;
    long kib = 0;
    FILE* out = ::popen(command.c_str(), "r");
    const bool read = out && std::fscanf(out, "%lf %ld", &run.seconds, &kib) == 2;
    if (!out || ::pclose(out) != 0 || !read) {
        std::cerr << "failed: " << command << '\n';
        std::exit(1);
    }
    run.peakMb = static_cast<double>(kib) / 1024;
    return run;
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

}  // namespace vantor::bench
