#pragma once
// printf-style formatting of numbers into Shift-JIS texts, of any length.
// Formats hold ASCII only; Japanese words are appended to the result.

#include <cstddef>
#include <cstdio>

#include "text/sjis.h"

namespace vantor {

template <class... Args>
ShiftJisString formatted(const char* format, Args... args) {
    char buf[64];
    const int n = std::snprintf(buf, sizeof buf, format, args...);
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < sizeof buf)
        return ShiftJisString(sjisBytes(std::string_view(buf, static_cast<std::size_t>(n))));
    // Longer than the buffer: made once more, into a text of its length.
    ShiftJisString text(static_cast<std::size_t>(n), '\0');
    std::snprintf(text.data(), text.size() + 1, format, args...);
    return text;
}

}  // namespace vantor
