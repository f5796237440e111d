#pragma once
// Keys and dates of JV-Data records, and a builder that writes fields into
// a blank record of a layout (used by the generator and by tests).

#include <string_view>
#include <utility>

#include "codes/race_key.h"
#include "record_layouts/jvdata_structure.h"

namespace vantor::jvdata {

constexpr SjisView recordKind(SjisView rec) { return field(rec, 1, 2); }
constexpr SjisView dataKind(SjisView rec) { return field(rec, 3, 1); }

// Where every race-keyed record kind holds its race key: its key fields
// end to end, bytes 12-27.
inline constexpr Field kRaceKey{kRaceKeyFields.front().field.pos, RaceKey::kLength};

consteval bool keyFieldsFillTheRaceKey() {
    std::size_t next = kRaceKey.pos;
    for (const FieldInfo& f : kRaceKeyFields) {
        if (f.field.pos != next || f.field.count != 1) return false;
        next += f.field.len;
    }
    return next == kRaceKey.pos + kRaceKey.len;
}
static_assert(keyFieldsFillTheRaceKey(), "the race key fields must follow each other and make 16 bytes");

// The key that names the race of a race-keyed record (RA, SE, HR, the odds
// and live kinds); a short record gives a short key.
constexpr RaceKey raceKey(SjisView rec) { return RaceKey(get(rec, kRaceKey)); }

// The payout key: year, month-day, racecourse and race number, without
// meeting and day.
SjisString payoutKey(SjisView rec);

// yyyymmdd of an RA, SE or HR record; empty when the year is blank or "0000".
SjisView raceDate(SjisView rec);

// The record without its trailing CR LF (or lone LF).
constexpr SjisView withoutLineEnd(SjisView rec) {
    if (!rec.empty() && rec.back() == '\n') rec.remove_suffix(1);
    if (!rec.empty() && rec.back() == '\r') rec.remove_suffix(1);
    return rec;
}

// A record of a layout, blank-filled but for its kind and ending in CR LF,
// into which fields are written by the layout's field constants.
class RecordBuilder {
public:
    explicit RecordBuilder(const RecordLayout& layout);

    // Text left-aligned in the field, blank-padded; too long a text is cut
    // at a character boundary.
    RecordBuilder& text(Field f, SjisView value, int n = 1);
    // Number right-aligned with leading zeros; negative numbers keep their sign.
    RecordBuilder& number(Field f, long long value, int n = 1);
    // Number right-aligned with leading blanks.
    RecordBuilder& blankPadded(Field f, long long value, int n = 1);

    const SjisString& record() const { return rec_; }
    SjisString take() { return std::move(rec_); }

private:
    void put(Field f, int n, SjisView value);
    SjisString rec_;
};

}  // namespace vantor::jvdata
