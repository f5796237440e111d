#pragma once
// Stream mode: one JV-Link run whose every answer goes to Vantor as it
// happens (see jvlink/bridge_stream.h), instead of into a feed folder.
// Vantor asks for a cancel through the bridge's standard input; the run
// then calls JVCancel and JVClose and ends.

#include <functional>
#include <string>
#include <string_view>

#include "jvlink/jvlink.h"

namespace vantor::jvbridge {

struct StreamRequest {
    enum class Kind { Check, Acquire, Realtime, Settings };
    Kind kind = Kind::Check;
    std::string from;      // Acquire: "yyyymmddhhnnss"
    bool setup = false;    // Acquire: set-up data (option 3)
    std::string dataspec;  // Realtime: the dataspec of JVRTOpen
    std::string key;       // Realtime: its key
    std::string sid;
};

struct StreamIo {
    std::function<void(std::string_view bytes)> write;  // to Vantor, unchanged
    std::function<bool()> cancelled;                    // Vantor asked for a cancel
    std::function<void()> pause;                        // a short wait that lets JV-Link get on
};

struct BridgeCommand;

// What a command given with --stream (or check) asks of JV-Link.
StreamRequest streamRequest(const BridgeCommand& command, std::string sid);

// 0 when JV-Link did all that was asked (nothing newer included), 1 when
// it failed or the run was cancelled; Vantor reads the codes themselves.
int runStream(JVLink& link, const StreamRequest& request, const StreamIo& io);

}  // namespace vantor::jvbridge
