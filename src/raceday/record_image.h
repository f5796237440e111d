#pragma once
// The byte image of one fixed-length JV-Data record (CR LF included) in the
// raw tables of a race day. An image that received no record is all blanks,
// so every field of it reads as blank text or 0.

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

#include "store/record_field.h"
#include "text/sjis.h"

namespace vantor {

// Copies from into to, as much as fits; what from lacks becomes blanks.
void copyPadded(std::span<char> to, SjisView from);

template <std::size_t N>
class RecordImage {
public:
    static constexpr std::size_t kLength = N;

    void fillBlank() { bytes_.fill(' '); }

    // Copies a whole record; what a shorter text lacks stays blank.
    void assign(SjisView record) { copyPadded(bytes_, record); }

    // Copies field f (occurrence 1) from another record of the same layout.
    void copyField(SjisView from, jvdata::Field f) {
        const SjisView value = jvdata::get(from, f);
        std::copy_n(value.data(), std::min<std::size_t>(value.size(), N - (f.pos - 1)), bytes_.begin() + (f.pos - 1));
    }

    SjisView view() const { return {bytes_.data(), N}; }

private:
    std::array<char, N> bytes_;
};

}  // namespace vantor
