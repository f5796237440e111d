#pragma once
// Fixed tables of exact codes and their texts, as the code tables of the
// racing texts and the race card keep them.

#include <array>
#include <cstddef>
#include <utility>

#include "text/sjis.h"

namespace vantor {

template <std::size_t N>
using CodeTable = std::array<std::pair<const char*, SjisString>, N>;

// The text of code in table; nothing when the table has no such code.
template <std::size_t N>
const SjisString* findCodeText(const CodeTable<N>& table, SjisView code) {
    for (const auto& [c, text] : table)
        if (code == sjisBytes(c)) return &text;
    return nullptr;
}

}  // namespace vantor
