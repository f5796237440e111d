#include "shell/bridge_time_limit.h"

#include "jvlink/bridge_jvlink.h"
#include "settings/setting.h"

namespace vantor {
namespace {

constexpr Setting<int> kTimeLimit{"JVLinkWine", "TimeLimit", static_cast<int>(BridgeJVLink::kDefaultTimeLimit.count())};

}  // namespace

std::chrono::seconds readBridgeTimeLimit(const TIniGT& ini) {
    const int seconds = readSetting(ini, kTimeLimit);
    return std::chrono::seconds(seconds > 0 ? seconds : kTimeLimit.fallback);
}

}  // namespace vantor
