#include "record_layouts/jvdata_record.h"

#include <cassert>
#include <string>

namespace vantor::jvdata {

SjisString payoutKey(SjisView rec) {
    const RaceKey key = raceKey(rec);
    return SjisString(key.dateAndCourse()) + SjisString(key.raceNumber());
}

SjisView raceDate(SjisView rec) {
    const RaceKey key = raceKey(rec);
    if (key.year().size() < 4 || key.year() == "0000" || trimBlanks(key.year()).empty()) return {};
    return key.date();
}

RecordBuilder::RecordBuilder(const RecordLayout& layout) : rec_(layout.length - 2, ' ') {
    rec_.replace(0, layout.kind.size(), layout.kind);  // lines of no kind (the odds lines) start blank
    rec_ += "\r\n";
}

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
    std::string digits = std::to_string(value < 0 ? -value : value);
    const std::size_t width = value < 0 ? f.len - 1u : f.len;
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    if (value < 0) digits.insert(0, 1, '-');
    put(f, n, SjisView(digits).substr(digits.size() > f.len ? digits.size() - f.len : 0));
    return *this;
}

RecordBuilder& RecordBuilder::blankPadded(Field f, long long value, int n) {
    put(f, n, padLeft(std::to_string(value), f.len));
    return *this;
}

}  // namespace vantor::jvdata
