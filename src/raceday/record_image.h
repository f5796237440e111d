#pragma once
// The byte image of one fixed-length JV-Data record (CR LF included) in the
// raw tables of a race day. An image that received no record is all blanks,
// so every field of it reads as blank text or 0.

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

#include "record_layouts/jvdata_record.h"
#include "text/sjis.h"

namespace vantor {

// Copies from into to, as much as fits; what from lacks becomes blanks.
void copyPadded(std::span<char> to, SjisView from);

template <std::size_t N>
class RecordImage {
public:
    void fillBlank() { bytes_.fill(' '); }

    // Copies a whole record; what a shorter text lacks stays blank.
    void assign(SjisView record) { copyPadded(bytes_, record); }

    // A blank image holding only the race key (year, month-day,
    // racecourse, meeting, day, race number) of an RA, SE or HR record, at
    // the key's place.
    void assignRaceKey(SjisView record) {
        static_assert(N >= jvdata::kRaceKey.pos + jvdata::kRaceKey.len - 1);
        fillBlank();
        const SjisView key = jvdata::raceKey(record).text();
        std::copy(key.begin(), key.end(), bytes_.begin() + (jvdata::kRaceKey.pos - 1));
    }

    SjisView view() const { return SjisView::fromBytes({bytes_.data(), N}); }

private:
    std::array<char, N> bytes_;
};

}  // namespace vantor
