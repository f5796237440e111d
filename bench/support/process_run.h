#pragma once
// A program run in a process of its own, for benchmarks that measure what
// a user's command costs as a whole: start, work and exit.

#include <string>
#include <vector>

namespace vantor::bench {

struct ProcessRun {
    double seconds = 0;
    double peakMb = 0;  // the process's peak resident memory
};

// Runs args[0] with its arguments through process_peak, so that the peak
// is the program's own and not the benchmark's; standard output and error
// are discarded. Exits with a message when it cannot start or does not
// succeed.
ProcessRun runProcess(std::vector<std::string> args);

// The middle value (the upper one of an even count); 0 for none.
double median(std::vector<double> values);

}  // namespace vantor::bench
