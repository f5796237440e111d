// vantor-cli: the program's core without windows.

#include <iostream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "commands.h"
#include "fileio/writer_lock.h"
#include "jvlink/feed_jvlink.h"
#include "jvlink/version_text.h"
#include "settings/app_dir.h"
#include "store/program_folder.h"

namespace {

const char* kUsage =
    "usage: vantor-cli [--app-dir DIR] COMMAND ...\n"
    "       vantor-cli --version | --help\n"
    "  acquire  [--feed DIR | --wine-prefix DIR [--bridge EXE] [--wine-command WINE] [--timeout SECONDS]]\n"
    "           [--from \"yyyy/mm/dd hh:nn:ss\"] [--setup|--normal] [--wait] [--verbose]\n"
    "  days\n"
    "  races    --day DAY\n"
    "  grid     --day DAY [--race N] [--set N] check|sign|card|results|header|rinsen:C|search[:KEY]\n"
    "  results  --day DAY [--wine-prefix DIR [--bridge EXE] [--wine-command WINE] [--timeout SECONDS]] [--wait]\n"
    "  live     --day DAY [--once] [--every SECONDS] [--until HH:MM] [--replay-from HH:MM [--speed N]]\n"
    "           [--feed DIR | --wine-prefix DIR [--bridge EXE] [--wine-command WINE] [--timeout SECONDS]] [--wait]\n"
    "  snapshot --day DAY [--race N] --out DIR\n"
    "  odds     ARCHIVE [--day DAY] [--wait]\n"
    "  chart    --day DAY [--race N] --png FILE [--pdf FILE]\n"
    "  print    --day DAY (--number|--group|--trainers) [--marks N] --pdf FILE [--png DIR [--dpi N]]\n"
    "  export   (--sqlite FILE | --postgres CONNINFO) [--from yyyy-mm-dd] [--to yyyy-mm-dd] [--replace]\n"
    "  marks    --day DAY [--set N] [--import FILE.csv | --export FILE.csv]\n"
    "  stats    (--horse ID|NAME | --jockey NAME|CODE | --trainer NAME|CODE | --owner NAME|CODE | --sire NAME|CODE\n"
    "           | --marks N)\n"
    "           [--from yyyy-mm-dd] [--to yyyy-mm-dd] [--course CODE] [--surface 芝|ダ|障] [--distance MIN-MAX]\n"
    "           [--going 良|稍|重|不] [--by course|surface|distance|going|class|month|popularity] [--csv]\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace vantor::cli;
    const std::vector<std::string> words(argv + 1, argv + argc);
    Args args;
    if (auto err = args.parse(words, {"--app-dir", "--feed", "--from", "--day", "--race", "--out", "--pdf", "--png",
                                      "--dpi", "--wine-prefix", "--bridge", "--wine-command", "--sqlite", "--postgres",
                                      "--to", "--timeout", "--set", "--import", "--export", "--marks", "--every",
                                      "--until", "--replay-from", "--speed", "--horse", "--jockey", "--trainer",
                                      "--owner", "--sire", "--course", "--surface", "--distance", "--going", "--by"})) {
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
    if (const auto dir = args.value("--app-dir"); dir && dir->empty()) {
        std::cerr << "--app-dir names no folder\n" << kUsage;
        return 2;
    }
    // Paths are the user's, from the folder the command was started in,
    // whatever folder a command enters later.
    std::error_code noStart;
    args.resolvePaths({"--feed", "--out", "--pdf", "--png", "--wine-prefix", "--bridge", "--sqlite", "--import", "--export"},
                      std::filesystem::current_path(noStart));
    args.resolveProgram("--wine-command", std::filesystem::current_path(noStart));
    if (auto dir = args.value("--app-dir")) vantor::setAppDir(*dir);
    const Context ctx{vantor::appDir(), args};
    const std::string& command = args.words().front();

    // Writers change the store or the settings: they hold the program
    // folder's writer lock (refused at once, or with --wait after the
    // holder) for as long as they run. Readers need no lock, since store
    // files are replaced whole.
    enum class Access { reader, writer };
    struct Command {
        const char* name;
        int (*run)(const Context&);
        std::set<std::string> options;
        Access access = Access::reader;
    };
    const Command commands[] = {
        {"acquire",
         acquire,
         {"--app-dir", "--feed", "--wine-prefix", "--bridge", "--wine-command", "--timeout", "--from", "--setup", "--normal",
          "--wait", "--verbose"},
         Access::writer},
        {"days", days, {"--app-dir"}},
        {"races", races, {"--app-dir", "--day"}},
        {"grid", grid, {"--app-dir", "--day", "--race", "--set"}},
        {"results",
         results,
         {"--app-dir", "--day", "--wine-prefix", "--bridge", "--wine-command", "--timeout", "--wait"},
         Access::writer},
        // A live run holds the writer lock for each fetch alone (live_run.h).
        {"live",
         live,
         {"--app-dir", "--day", "--once", "--every", "--until", "--replay-from", "--speed", "--feed", "--wine-prefix",
          "--bridge", "--wine-command", "--timeout", "--wait"}},
        {"snapshot", snapshot, {"--app-dir", "--day", "--race", "--out"}},
        {"odds", odds, {"--app-dir", "--day", "--wait"}, Access::writer},
        {"chart", chart, {"--app-dir", "--day", "--race", "--png", "--pdf"}},
        {"print", print, {"--app-dir", "--day", "--number", "--group", "--trainers", "--marks", "--pdf", "--png", "--dpi"}},
        {"export", exportStore, {"--app-dir", "--sqlite", "--postgres", "--from", "--to", "--replace"}},
        {"marks", marks, {"--app-dir", "--day", "--set", "--import", "--export"}},
        {"stats",
         stats,
         {"--app-dir", "--horse", "--jockey", "--trainer", "--owner", "--sire", "--from", "--to", "--course", "--surface",
          "--distance", "--going", "--by", "--marks", "--csv"}},
    };
    for (const auto& c : commands) {
        if (command != c.name) continue;
        if (const auto bad = args.unknown(c.options); !bad.empty()) {
            std::cerr << "unknown option for " << command << ": " << bad.front() << '\n' << kUsage;
            return 2;
        }
        // A reader only reads: it makes no program folder where there is none.
        if (std::error_code error; c.access == Access::reader && !std::filesystem::is_directory(ctx.appDir, error)) {
            std::cerr << "the program folder " << ctx.appDir.string() << " does not exist\n";
            return 2;
        }
        // A feed folder that cannot be read ends the command before anything is made.
        if (const auto feed = args.value("--feed")) {
            if (const std::string problem = vantor::FeedJVLink(vantor::FeedSettings{*feed}).sourceProblem();
                !problem.empty()) {
                std::cerr << problem << '\n';
                return 1;
            }
        }
        // A writer is refused before it makes anything in the folder.
        std::optional<vantor::WriterLock> lock;
        if (c.access == Access::writer) {
            std::error_code unmade;  // said by the lock, which cannot be taken then
            std::filesystem::create_directories(ctx.appDir, unmade);
            auto taken = vantor::WriterLock::take(ctx.appDir, std::string("vantor-cli ") + c.name, args.has("--wait"));
            if (const auto* refused = std::get_if<std::string>(&taken)) {
                std::cerr << *refused << '\n';
                return 1;
            }
            lock.emplace(std::move(std::get<vantor::WriterLock>(taken)));
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
