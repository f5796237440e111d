#include "jvlink_setup/bridge_time_limit.h"

#include "jvlink/bridge_jvlink.h"
#include "settings/setting.h"

namespace vantor {
namespace {

// Seconds; none or less gives the default.
constexpr Setting<int> kTimeLimit{"JVLinkWine", "TimeLimit", static_cast<int>(BridgeJVLink::kDefaultTimeLimit.count()),
                                  [](int stored, int fallback) { return stored > 0 ? stored : fallback; }};

}  // namespace

std::chrono::seconds readBridgeTimeLimit(const TIniGT& ini) {
    return std::chrono::seconds(readSetting(ini, kTimeLimit));
}

}  // namespace vantor
