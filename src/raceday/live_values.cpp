#include "raceday/live_values.h"

#include <algorithm>

namespace vantor {
namespace {

bool allOf(SjisView text, char c) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [c](char b) { return b == c; });
}

// A marker that fills the whole field, or the digits' number.
LiveNumber readMarked(SjisView field, LiveMark zeros) {
    if (field.empty() || allOf(field, ' ')) return {};
    if (allOf(field, '-')) return {LiveMark::cancelledBeforeSale, 0};
    if (allOf(field, '*')) return {LiveMark::cancelledAfterSale, 0};
    if (allOf(field, '0')) return {zeros, 0};
    if (!isAllDigits(field)) return {LiveMark::garbled, 0};
    return liveValue(lenientInt(field));
}

}  // namespace

LiveNumber readOddsField(SjisView field) { return readMarked(field, LiveMark::noVotes); }

LiveNumber readWeightField(SjisView field) {
    if (field == "999") return {LiveMark::notWeighed, 0};
    const LiveNumber n = readMarked(field, LiveMark::scratched);
    return n.hasValue() || n.mark == LiveMark::none || n.mark == LiveMark::scratched ? n
                                                                                     : LiveNumber{LiveMark::garbled, 0};
}

LiveNumber readWeightChange(SjisView sign, SjisView kg) {
    if (kg == "999") return {LiveMark::notWeighed, 0};
    const LiveNumber n = readMarked(kg, LiveMark::value);
    if (n.mark == LiveMark::none) return n;
    if (n.mark != LiveMark::value || (sign != "+" && sign != "-" && sign != " ")) return {LiveMark::garbled, 0};
    return liveValue(sign == "-" ? -n.value : n.value);
}

}  // namespace vantor
