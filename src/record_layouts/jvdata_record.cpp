#include "record_layouts/jvdata_record.h"

#include <cassert>
#include <string>

#include "text/formatted.h"

namespace vantor::jvdata {

SjisString payoutKey(SjisView rec) {
    const RaceKey key = raceKey(rec);
    return key.dateAndCourse() + key.raceNumber();
}

SjisView raceDate(SjisView rec) {
    const RaceKey key = raceKey(rec);
    if (key.year().size() < 4 || key.year() == "0000" || trimBlanks(key.year()).empty()) return {};
    return key.date();
}

namespace {

// Blanks, the layout's kind in front (lines of no kind, the odds lines,
// start blank) and CR LF. The kind is the table's ASCII identifier, so its
// bytes are the record's.
SjisString blankRecord(const RecordLayout& layout) {
    std::string bytes(layout.length - 2, ' ');
    bytes.replace(0, layout.kind.size(), layout.kind);
    bytes += "\r\n";
    return SjisString::fromBytes(std::move(bytes));
}

}  // namespace

RecordBuilder::RecordBuilder(const RecordLayout& layout) : rec_(blankRecord(layout)) {}

void RecordBuilder::put(Field f, int n, SjisView value) {
    assert(n >= 1 && n <= f.count);
    const SjisView fitted = cutAtCharBoundary(value, f.len);
    const std::size_t at = f.at(n) - 1;
    rec_.replace(at, f.len, padRight(fitted, f.len));
}

RecordBuilder& RecordBuilder::text(Field f, SjisView value, int n) {
    put(f, n, value);
    return *this;
}

RecordBuilder& RecordBuilder::number(Field f, long long value, int n) {
    // Zeros widen the digits to the field, less the sign's byte.
    const int width = static_cast<int>(value < 0 ? f.len - 1u : f.len);
    const SjisString digits = formatted("%s%0*lld", value < 0 ? "-" : "", width, value < 0 ? -value : value);
    put(f, n, SjisView(digits).substr(digits.size() > f.len ? digits.size() - f.len : 0));
    return *this;
}

RecordBuilder& RecordBuilder::blankPadded(Field f, long long value, int n) {
    put(f, n, padLeft(formatted("%lld", value), f.len));
    return *this;
}

}  // namespace vantor::jvdata
