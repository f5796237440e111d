#pragma once
// Tables of Japanese texts are written in UTF-8 for readability and turned
// into Shift-JIS once, the first time a function needs them.

#include <array>
#include <cstddef>
#include <string_view>

#include "text/encoding.h"
#include "text/sjis.h"

namespace vantor {

template <std::size_t N>
std::array<SjisString, N> toSjisTable(const std::array<std::string_view, N>& utf8) {
    std::array<SjisString, N> out;
    for (std::size_t i = 0; i < N; ++i) out[i] = utf8ToCp932(utf8[i]);
    return out;
}

}  // namespace vantor
