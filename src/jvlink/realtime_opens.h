#pragma once
// The real-time dataspecs JVRTOpen is asked for, with the keys JV-Link
// takes for each: the feed replacement serves them and the bridge passes
// them on, so both refuse the same opens with the same codes.

#include <string_view>

#include "jvlink/feed_folder.h"
#include "jvlink/jvlink.h"

namespace vantor {

struct RealtimeDataspec {
    std::string_view dataspec;
    bool dayKey, raceKey;  // the keys the dataspec takes
    bool snapshot;         // each answer replaces the last, rather than adding to it
};

// clang-format off
inline constexpr RealtimeDataspec kRealtimeSpecs[] = {
    {jv::kWeightsDataSpec, true, true, true},
    {jv::kResultsDataSpec, true, false, false},
    {jv::kDayChangesDataSpec, true, false, true},
    {jv::kOddsDataSpec, false, true, true},
    {jv::kWinOddsSeriesDataSpec, false, true, false},
};
// clang-format on

inline const RealtimeDataspec* realtimeDataspec(std::string_view dataspec) {
    for (const RealtimeDataspec& s : kRealtimeSpecs)
        if (s.dataspec == dataspec) return &s;
    return nullptr;
}

// JV-Link's answer to an open of dataspec with key that cannot be served:
// -111 for a dataspec it does not know, -114 for a key the dataspec does not take;
// 0 when the open may go ahead.
inline int realtimeOpenRefusal(std::string_view dataspec, std::string_view key) {
    const RealtimeDataspec* s = realtimeDataspec(dataspec);
    if (!s) return jv::kBadDataSpec;
    const std::optional<RealtimeKey> parsed = parseRealtimeKey(key);
    if (!parsed || !(parsed->isDay() ? s->dayKey : s->raceKey)) return jv::kBadKey;
    return jv::kOk;
}

}  // namespace vantor
