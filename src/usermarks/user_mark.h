#pragma once
// The user's own marks (印) on runners: one of seven glyphs or none, per
// mark set, of which there are eight. Apart from the readiness and sign
// marks that the race day computes, these are typed by the user.

#include <cstdint>
#include <optional>

#include "text/sjis.h"

namespace vantor {

enum class UserMark : std::uint8_t { none, honmei, taikou, tanana, renka, hoshi, keshi, chui };

inline constexpr int kUserMarkKinds = 7;  // the marks besides none, numbered 1-7 in glyph order
inline constexpr int kUserMarkSets = 8;   // sets 1-8
inline constexpr int kMaxUmaban = 18;

// The mark a number names: 0 none, 1-7 ◎ ○ ▲ △ ☆ × 注; nothing for any other.
constexpr std::optional<UserMark> userMarkFromNumber(long long number) {
    if (number < 0 || number > kUserMarkKinds) return std::nullopt;
    return static_cast<UserMark>(number);
}

constexpr int userMarkNumber(UserMark mark) { return static_cast<int>(mark); }

// The mark's glyph in Shift-JIS; empty for none.
constexpr SjisView userMarkGlyph(UserMark mark) {
    constexpr SjisView glyphs[] = {"",
                                   "\x81\x9d"_sjis,
                                   "\x81\x9b"_sjis,
                                   "\x81\xa3"_sjis,
                                   "\x81\xa2"_sjis,
                                   "\x81\x99"_sjis,
                                   "\x81\x7e"_sjis,
                                   "\x92\x8d"_sjis};
    return glyphs[userMarkNumber(mark)];
}

// The mark whose glyph is text; nothing when no mark has it.
constexpr std::optional<UserMark> userMarkFromGlyph(SjisView text) {
    for (int n = 1; n <= kUserMarkKinds; ++n)
        if (userMarkGlyph(static_cast<UserMark>(n)) == text) return static_cast<UserMark>(n);
    return std::nullopt;
}

constexpr bool isUserMarkSet(long long set) { return set >= 1 && set <= kUserMarkSets; }

}  // namespace vantor
