#pragma once
// What bounds a command that runs JV-Link (acquire, results): a time limit
// for every call of JV-Link under Wine, and SIGINT or SIGTERM (Ctrl-C,
// `timeout`, a service stop), which end the run as its cancel does. The
// handler only notes the signal; the run sees it in its loops and while it
// waits for the bridge, cancels JV-Link, closes it and lets the bridge and
// its Wine processes end, and the command exits with 128 + the signal's
// number (130, 143).

#include <optional>
#include <string>

#include "commands.h"
#include "jvlink/jvlink.h"

namespace vantor {
class TIniGT;
}

namespace vantor::cli {

class StopSignals {
public:
    StopSignals();  // catches SIGINT and SIGTERM until the object goes
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // The signal caught, or 0.
    static int caught();
    // 128 + the signal caught, said on standard error, or status when none was.
    static int exitStatus(int status);
};

// The time limit of a bridge call in seconds: --timeout, else the setting
// [JVLinkWine] TimeLimit, else the bridge's default; an error text for a
// --timeout that is no positive number of seconds.
std::optional<std::string> readTimeLimit(const Context& ctx, const TIniGT& ini, int& seconds);

// Gives JV-Link under Wine its time limit and has a caught signal cancel
// what it waits for; any other link is left as it is.
void applyRunLimits(JVLink& link, int timeLimitSeconds);

}  // namespace vantor::cli
