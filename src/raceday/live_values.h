#pragma once
// The values of live odds, popularity and body weight fields. The service
// fills a field with a marker where it has no number, and a marker is a
// state of its own (a cancelled sale is not odds of 0), so each value is
// read as a mark and, for a number, its value.

#include <cstdint>

#include "text/sjis.h"

namespace vantor {

enum class LiveMark : std::uint8_t {
    none,                 // blanks: no entry; a weight change of a first run or a scratched horse
    value,                // a number
    noVotes,              // odds or popularity all "0"
    cancelledBeforeSale,  // all "-"
    cancelledAfterSale,   // all "*"
    notWeighed,           // weight or change "999"
    scratched,            // weight "000"
    garbled,              // anything else: shown as nothing, never taken for a number
};

struct LiveNumber {
    LiveMark mark = LiveMark::none;
    std::int32_t value = 0;  // odds in tenths, popularity, kg; 0 unless mark is value

    constexpr bool hasValue() const { return mark == LiveMark::value; }
    friend constexpr bool operator==(const LiveNumber&, const LiveNumber&) = default;
};

constexpr LiveNumber liveValue(std::int32_t v) { return {LiveMark::value, v}; }

// Odds (tenths) and popularity fields.
LiveNumber readOddsField(SjisView field);
// A body weight in kg: "999" not weighed, "000" scratched.
LiveNumber readWeightField(SjisView field);
// The change since the last run: sign "+", "-" or blank and kg, "999" not
// weighed, "000" no change (0).
LiveNumber readWeightChange(SjisView sign, SjisView kg);

}  // namespace vantor
