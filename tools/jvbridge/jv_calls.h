#pragma once
// The steps every bridge command shares: starting JV-Link, closing it and
// reporting a failed call with JV-Link's own message.

#include <string>
#include <string_view>

#include "bridge_io.h"
#include "jvlink/jvlink.h"
#include "text/sjis.h"

namespace vantor::jvbridge {

// "<operation>エラー:" followed by the result message of code (UTF-8).
std::string jvErrorText(SjisView operation, int code);

// JVInit with sid; false (reported) when JV-Link is not ready. A JV-Link
// older than the program needs is warned about, not refused.
bool initialise(JVLink& link, std::string_view sid, const BridgeIo& io);

// JVClose; false (reported) when it failed.
bool close(JVLink& link, const BridgeIo& io);

}  // namespace vantor::jvbridge
