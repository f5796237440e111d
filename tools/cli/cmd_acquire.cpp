#include <unistd.h>

#include <chrono>
#include <iostream>
#include <thread>

#include "acquire_progress.h"
#include "analysis_update.h"
#include "commands.h"
#include "feed_link.h"
#include "jvlink/acquisition.h"
#include "jvlink/cancel_flag.h"
#include "run_limits.h"
#include "settings/last_time.h"
#include "settings/program_settings.h"

namespace vantor::cli {
namespace {

// "yyyy/mm/dd hh:nn:ss" to "yyyymmddhhnnss", the link's start time (ASCII
// digits, so the same bytes in Shift-JIS); empty when it is not of that form.
SjisString toFromTime(const std::string& text) {
    if (text.size() != 19) return {};
    std::string digits;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool sep = i == 4 || i == 7 || i == 10 || i == 13 || i == 16;
        if (sep) continue;
        if (c < '0' || c > '9') return {};
        digits += c;
    }
    return SjisString::fromBytes(std::move(digits));
}

std::string defaultStart() {
    const auto t =
        std::chrono::system_clock::to_time_t(std::chrono::system_clock::now() - std::chrono::hours(24 * 180));
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y/%m/%d %H:%M:%S", &tm);
    return buf;
}

}  // namespace

int acquire(const Context& ctx) {
    TIniGT ini = programSettings();  // the window's settings file
    // The demo's generation, on first use: counted in place on a terminal,
    // said once when done elsewhere.
    const bool terminal = isatty(STDERR_FILENO) == 1;
    auto opened = openJVLink(ctx, ini, [terminal](int done, int total) {
        if (terminal) std::cerr << "\rgenerating demo feed " << done << "/" << total << std::flush;
        if (done == total)
            std::cerr << (terminal ? "\n" : "generated demo feed of " + std::to_string(total) + " files\n");
    });
    if (const int* status = std::get_if<int>(&opened)) return *status;
    auto& [link, timeLimit] = std::get<OpenedLink>(opened);
    const StopSignals signals;
    applyRunLimits(*link, timeLimit);
    if (!initialiseLink(*link)) return StopSignals::exitStatus(1);

    // The stored time is a checked "yyyy/mm/dd hh:nn:ss": ASCII, the same bytes in UTF-8.
    const SjisString lastTime = readLastTime(ini);
    const std::string start =
        ctx.args.value("--from").value_or(lastTime.empty() ? defaultStart() : std::string(lastTime.bytes()));
    const SjisString fromtime = toFromTime(start);
    if (fromtime.empty()) {
        std::cerr << "--from must be \"yyyy/mm/dd hh:nn:ss\", not \"" << start << "\"\n";
        return 2;
    }
    int option = lastTime.empty() ? jv::kOptionSetup : jv::kOptionNormal;
    if (ctx.args.has("--setup")) option = jv::kOptionSetup;
    if (ctx.args.has("--normal")) option = jv::kOptionNormal;

    AcquireProgress progress(std::cerr, AcquireProgress::modeFor(ctx.args.has("--verbose"), terminal));
    Acquisition::Ui ui;
    progress.attach(ui);
    ui.beep = [] {};
    ui.storeLastTime = [&ini](const SjisString& s) { return storeLastTime(ini, s); };

    // A caught signal cancels as the dialog's cancel does, between two records.
    Acquisition* running = nullptr;
    ui.pump = [pump = ui.pump, &running] {
        if (pump) pump();
        if (StopSignals::caught() && running && CancelFlag != 1) running->cancel();
    };

    const StorePaths paths(ctx.appDir);
    Acquisition acquisition(*link, paths, ui);
    running = &acquisition;
    auto next = acquisition.start(fromtime, option);
    while (next == Acquisition::Next::poll) {
        if (StopSignals::caught()) {
            acquisition.cancel();
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        next = acquisition.poll();
    }
    if (next == Acquisition::Next::read) acquisition.readAll();
    acquisition.closeLink();
    progress.finish();
    if (acquisition.rejected() > 0) std::cerr << "rejected records: " << acquisition.rejected() << '\n';
    // What was filed, a cancelled read's files too; a stop by signal leaves it to the next writer.
    if (!StopSignals::caught()) updateAnalysisDb(ctx);
    return StopSignals::exitStatus(acquisition.failed() || acquisition.incomplete() ? 1 : 0);
}

}  // namespace vantor::cli
