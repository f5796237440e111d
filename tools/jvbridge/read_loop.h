#pragma once
// The loop that reads everything an open delivers: JVRead until 0, calling
// again after -2 and -3, stopping at the first error.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "bridge_io.h"
#include "jvlink/jvlink.h"

namespace vantor::jvbridge {

struct ReadSink {
    // One record (Shift-JIS, as delivered) with the file name JV-Link reported.
    std::function<std::optional<std::string>(std::string_view record, std::string_view fileName)> record;
    // JV-Link moved on to the next file.
    std::function<std::optional<std::string>()> fileEnded;
};

struct ReadOutcome {
    int result = jv::kEndOfAll;            // 0, or the JVRead error that ended the read
    std::optional<std::string> sinkError;  // the sink's message when it refused
    bool ok() const { return result == jv::kEndOfAll && !sinkError; }
};

// bufferSize is the size JVRead is told, the same variable on every call.
ReadOutcome readAll(JVLink& link, int bufferSize, const ReadSink& sink, const BridgeIo& io);

}  // namespace vantor::jvbridge
