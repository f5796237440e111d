#include "run_limits.h"

#include <csignal>
#include <iostream>

#include "jvlink/bridge_jvlink.h"
#include "jvlink/cancel_flag.h"
#include "jvlink_setup/bridge_time_limit.h"

namespace vantor::cli {
namespace {

volatile std::sig_atomic_t caughtSignal = 0;

extern "C" void noteSignal(int signal) { caughtSignal = signal; }

struct sigaction previous[2];
constexpr int kSignals[2] = {SIGINT, SIGTERM};

}  // namespace

StopSignals::StopSignals() {
    caughtSignal = 0;
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < 2; ++i) sigaction(kSignals[i], &action, &previous[i]);
}

StopSignals::~StopSignals() {
    for (int i = 0; i < 2; ++i) sigaction(kSignals[i], &previous[i], nullptr);
}

int StopSignals::caught() { return caughtSignal; }

int StopSignals::exitStatus(int status) {
    if (!caught()) return status;
    std::cerr << "stopped by " << (caught() == SIGINT ? "SIGINT" : "SIGTERM") << ": the run was cancelled\n";
    return 128 + caught();
}

std::optional<std::string> readTimeLimit(const Context& ctx, const TIniGT& ini, int& seconds) {
    seconds = static_cast<int>(readBridgeTimeLimit(ini).count());
    const auto option = ctx.args.value("--timeout");
    if (!option) return std::nullopt;
    std::size_t used = 0;
    try {
        seconds = std::stoi(*option, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != option->size() || seconds <= 0)
        return "--timeout takes a number of seconds above 0, not \"" + *option + "\"";
    return std::nullopt;
}

void applyRunLimits(JVLink& link, int timeLimitSeconds) {
    auto* bridge = dynamic_cast<BridgeJVLink*>(&link);
    if (!bridge) return;
    bridge->setTimeLimit(std::chrono::seconds(timeLimitSeconds));
    // While a call waits for the bridge, a signal is a cancel: the run's
    // loops see the flag, and the bridge is told (and ended after its grace).
    bridge->setWaiter([bridge] {
        if (!StopSignals::caught()) return;
        CancelFlag = 1;
        bridge->JVCancel();
    });
}

}  // namespace vantor::cli
