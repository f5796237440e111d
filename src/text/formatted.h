#pragma once
// printf-style formatting of numbers into texts of any length.
// Formats hold ASCII only; Japanese words are appended to the result.

#include <cstddef>
#include <cstdio>
#include <string>

#include "text/sjis.h"

namespace vantor {

// The bytes printf makes, as a UTF-8 text: time stamps and file names.
template <class... Args>
std::string formattedUtf8(const char* format, Args... args) {
    char buf[64];
    const int n = std::snprintf(buf, sizeof buf, format, args...);
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < sizeof buf) return std::string(buf, static_cast<std::size_t>(n));
    // Longer than the buffer: made once more, into a text of its length.
    std::string text(static_cast<std::size_t>(n), '\0');
    std::snprintf(text.data(), text.size() + 1, format, args...);
    return text;
}

// The same bytes as a Shift-JIS text: an ASCII format and numbers give the
// same bytes in both encodings, and a %s argument's bytes pass through.
template <class... Args>
SjisString formatted(const char* format, Args... args) {
    return SjisString::fromBytes(formattedUtf8(format, args...));
}

}  // namespace vantor
