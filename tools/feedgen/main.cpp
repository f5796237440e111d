// vantor-feedgen: writes a demo JV-Link feed folder.

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <iostream>

#include "demo/demo_feed.h"
#include "feedgen_args.h"

int main(int argc, char** argv) {
    using namespace vantor;
    const feedgen::ParsedArgs args = feedgen::parseArgs(std::vector<std::string>(argv + 1, argv + argc));
    if (args.help) {
        std::cout << feedgen::kUsage;
        return 0;
    }
    if (!args.error.empty()) {
        std::cerr << "vantor-feedgen: " << args.error << "\n" << feedgen::kUsage;
        return 2;
    }
    demo::DemoOptions options = args.options;
    if (isatty(STDERR_FILENO)) {
        int shown = -1;
        options.progress = [&shown](int done, int total) {
            const int percent = total > 0 ? done * 100 / total : 100;
            if (percent == shown) return;
            shown = percent;
            std::fprintf(stderr, "\r%3d%%", percent);
            if (done == total) std::fprintf(stderr, "\n");
        };
    }
    const auto start = std::chrono::steady_clock::now();
    const demo::DemoResult result = demo::generateDemoFeed(options);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!result.ok()) {
        std::cerr << "vantor-feedgen: " << result.error << "\n";
        return 1;
    }
    const demo::DemoSummary& s = result.summary;
    std::printf("feed written to %s\n", options.out.string().c_str());
    std::printf("race days     %d (%08d to %08d)\n", s.raceDays, s.firstDate, s.lastDate);
    std::printf("races         %d at the JRA, %d elsewhere\n", s.races, s.outsideRaces);
    std::printf("horses        %d\n", s.horses);
    std::printf("files         %d, %lld bytes\n", s.files, s.bytes);
    std::printf("live day      %d files, %lld bytes\n", s.liveFiles, s.liveBytes);
    std::printf("records       RA %lld, SE %lld, HR %lld, UM %lld, O1 %lld, O2 %lld, H1 %lld\n", s.raRecords,
                s.seRecords, s.hrRecords, s.umRecords, s.o1Records, s.o2Records, s.h1Records);
    if (!options.oddsOut.empty())
        std::printf("odds archives %d in %s\n", s.oddsArchives, options.oddsOut.string().c_str());
    std::printf("time          %.2f s\n", seconds);
    return 0;
}
