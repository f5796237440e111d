#pragma once
// How long a call of JV-Link under Wine waits for a bridge that writes
// nothing before it gives up: [JVLinkWine] TimeLimit, in seconds, the
// bridge's own default while the settings hold none (or no positive number).

#include <chrono>

namespace vantor {

class TIniGT;

std::chrono::seconds readBridgeTimeLimit(const TIniGT& ini);

}  // namespace vantor
