// vantor-cli: the program's core without windows.

#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "commands.h"
#include "jvlink/version_text.h"
#include "settings/app_dir.h"
#include "store/program_folder.h"

namespace {

const char* kUsage =
    "usage: vantor-cli [--app-dir DIR] COMMAND ...\n"
    "       vantor-cli --version | --help\n"
    "  acquire  [--feed DIR] [--from \"yyyy/mm/dd hh:nn:ss\"] [--setup|--normal]\n"
    "  days\n"
    "  races    --day DAY\n"
    "  grid     --day DAY [--race N] check|sign|card|results|header|rinsen:C|search[:KEY]\n"
    "  results  --day DAY\n"
    "  snapshot --day DAY [--race N] --out DIR\n"
    "  odds     ARCHIVE [--day DAY]\n"
    "  print    --day DAY (--number|--group|--trainers) --pdf FILE [--png DIR [--dpi N]]\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace vantor::cli;
    const std::vector<std::string> words(argv + 1, argv + argc);
    Args args;
    if (auto err = args.parse(
            words, {"--app-dir", "--feed", "--from", "--day", "--race", "--out", "--pdf", "--png", "--dpi"})) {
        std::cerr << *err << '\n' << kUsage;
        return 2;
    }
    if (args.words().empty() && args.has("--version")) {
        std::cout << "vantor-cli " << vantor::kVersionNumber << '\n';
        return 0;
    }
    if (args.words().empty() && args.has("--help")) {
        std::cout << kUsage;
        return 0;
    }
    if (args.words().empty()) {
        std::cerr << kUsage;
        return 2;
    }
    if (auto dir = args.value("--app-dir")) vantor::setAppDir(*dir);
    const Context ctx{vantor::appDir(), args};
    const std::string& command = args.words().front();

    struct Command {
        const char* name;
        int (*run)(const Context&);
        std::set<std::string> options;
    };
    const Command commands[] = {
        {"acquire", acquire, {"--app-dir", "--feed", "--from", "--setup", "--normal"}},
        {"days", days, {"--app-dir"}},
        {"races", races, {"--app-dir", "--day"}},
        {"grid", grid, {"--app-dir", "--day", "--race"}},
        {"results", results, {"--app-dir", "--day"}},
        {"snapshot", snapshot, {"--app-dir", "--day", "--race", "--out"}},
        {"odds", odds, {"--app-dir", "--day"}},
        {"print", print, {"--app-dir", "--day", "--number", "--group", "--trainers", "--pdf", "--png", "--dpi"}},
    };
    for (const auto& c : commands) {
        if (command != c.name) continue;
        if (const auto bad = args.unknown(c.options); !bad.empty()) {
            std::cerr << "unknown option for " << command << ": " << bad.front() << '\n' << kUsage;
            return 2;
        }
        // Every command finds the store folders as the window's start-up leaves them.
        if (const auto error = vantor::prepareProgramFolder(ctx.appDir)) {
            std::cerr << *error << '\n';
            return 1;
        }
        return c.run(ctx);
    }
    std::cerr << "unknown command: " << command << '\n' << kUsage;
    return 2;
}
