#pragma once
// printf-style formatting of numbers into Shift-JIS texts. Formats hold
// ASCII only; Japanese words are appended to the result.

#include <cstddef>
#include <cstdio>

#include "text/sjis.h"

namespace vantor {

template <class... Args>
SjisString formatted(const char* format, Args... args) {
    char buf[64];
    const int n = std::snprintf(buf, sizeof buf, format, args...);
    if (n < 0) return {};
    return SjisString(buf, static_cast<std::size_t>(n) < sizeof buf ? static_cast<std::size_t>(n) : sizeof buf - 1);
}

}  // namespace vantor
