// The bridge's stream mode built for Linux over the feed-folder JV-Link, so
// that Vantor's side of the stream is tested without Wine. Started as
//   native_stream_bridge BRIDGE-PATH COMMAND ARGS...
// (the way Vantor starts "wine BRIDGE-PATH COMMAND ARGS..."), it serves
// the feed folder VANTOR_STUB_FEED. VANTOR_STUB_MODE makes it misbehave:
//   other-version    greets with another protocol version
//   die-after-open   ends after the open, with a word on standard error
//   silent           a run other than the start-up check greets, then says
//                    nothing more and ends only on a cancel, as a bridge
//                    whose JV-Link hangs in its open
// VANTOR_STUB_WIRE names a file whose bytes a run other than the start-up
// check writes instead of JV-Link's answers, as a bridge speaking the
// protocol wrongly would.
// VANTOR_STUB_FLOOD_MB writes that many megabytes of records right after
// the open line, before the download has ended.
// VANTOR_STUB_PACE_MS paces the simulated download per file;
// VANTOR_STUB_START_MS delays the start, as Wine's takes its time.

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "bridge_command.h"
#include "jvlink/bridge_stream.h"
#include "jvlink/feed_jvlink.h"
#include "stream_run.h"

using namespace vantor;
using namespace vantor::jvbridge;

namespace {

std::atomic<bool> cancelSeen{false};

void writeAll(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(1, bytes.data(), bytes.size());
        if (n <= 0) std::_Exit(4);
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

std::string env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + std::min(argc, 2), argv + argc);
    const ParsedCommand parsed = parseCommand(args);
    if (!parsed.error.empty() || !parsed.command.stream) {
        std::cerr << "native_stream_bridge: " << (parsed.error.empty() ? "stream mode only" : parsed.error) << '\n';
        return 2;
    }
    std::thread([] {
        std::string seen;
        char buffer[64];
        for (ssize_t n; (n = ::read(0, buffer, sizeof buffer)) > 0;) {
            seen.append(buffer, static_cast<std::size_t>(n));
            if (seen.find(bridge_stream::kCancel) != std::string::npos) break;
        }
        cancelSeen = true;
    }).detach();

    const StreamRequest request = streamRequest(parsed.command, parsed.command.sid.value_or("stub"));
    if (const std::string wire = env("VANTOR_STUB_WIRE"); !wire.empty() && request.kind != StreamRequest::Kind::Check) {
        std::ifstream in(wire, std::ios::binary);
        writeAll(std::string(std::istreambuf_iterator<char>(in), {}));
        return 0;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(env("VANTOR_STUB_START_MS").c_str())));
    const std::string mode = env("VANTOR_STUB_MODE");
    if (mode == "silent" && request.kind != StreamRequest::Kind::Check) {
        writeAll(std::string(bridge_stream::kGreeting) + " " + std::to_string(bridge_stream::kVersion) +
                 "\ninit 0\nversion 0490\n");
        while (!cancelSeen) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return 1;
    }
    const int pace = std::atoi(env("VANTOR_STUB_PACE_MS").c_str());
    FeedJVLink link(FeedSettings{env("VANTOR_STUB_FEED"), pace, "0490"});
    bool greeted = false;
    const auto write = [&](std::string_view bytes) {
        if (!greeted && mode == "other-version") bytes = "vantor-jvbridge-stream 1\n";
        greeted = true;
        writeAll(bytes);
        if (const int flood = std::atoi(env("VANTOR_STUB_FLOOD_MB").c_str()); flood > 0 && bytes.starts_with("open ")) {
            const std::string record = "record 1000 FLOOD.jvd\n" + std::string(1000, 'R') + "\n";
            std::string megabyte;
            while (megabyte.size() < (1u << 20)) megabyte += record;
            for (int mb = 0; mb < flood; ++mb) writeAll(megabyte);
        }
        if (mode == "die-after-open" && bytes.starts_with("open ")) {
            std::cerr << "wine: a helper of the stub gave up\n";
            std::_Exit(3);
        }
    };
    return runStream(
        link, request,
        {write, [] { return cancelSeen.load(); }, [] { std::this_thread::sleep_for(std::chrono::milliseconds(1)); }});
}
