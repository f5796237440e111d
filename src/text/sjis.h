#pragma once
// Shift-JIS (code page 932) byte strings are the in-memory form of every
// record, field and label text. Positions and widths count bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "text/sjis_string.h"

namespace vantor {

// Lead byte of a double-byte character: 0x81-0x9F and 0xE0-0xFC.
constexpr bool isSjisLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// The full-width blank "　" (0x81 0x40).
inline constexpr SjisView kFullWidthBlank = sjisBytes("\x81\x40");

// Bytes pos .. pos+len-1 (1-based) of text; what lies beyond the end is
// simply missing, so a short record gives a short (or empty) field.
constexpr SjisView field(SjisView text, std::size_t pos, std::size_t len) {
    if (pos == 0 || pos > text.size()) return {};
    return text.substr(pos - 1, len);
}

// Lenient decimal conversion: skip leading blanks, honour an optional sign,
// read digits up to the first other byte. No digits give 0.
constexpr long long lenientNumber(SjisView text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value > (INT64_MAX - 9) / 10) break;  // absurdly long digit runs stop growing
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}
// Digits are the same bytes in UTF-8: time stamps and file names are read alike.
template <StdText T>
constexpr long long lenientNumber(const T& text) {
    return lenientNumber(SjisView::fromBytes(text));
}

constexpr int lenientInt(SjisView text) {
    const long long v = lenientNumber(text);
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<int>(v);
}
template <StdText T>
constexpr int lenientInt(const T& text) {
    return lenientInt(SjisView::fromBytes(text));
}

// True when every byte of text is an ASCII digit (and text is not empty).
constexpr bool isAllDigits(SjisView text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}
template <StdText T>
constexpr bool isAllDigits(const T& text) {
    return isAllDigits(SjisView::fromBytes(text));
}

// Half-width blank trimming (the full-width blank is a character, not padding).
constexpr SjisView trimRightBlanks(SjisView text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}
constexpr SjisView trimLeftBlanks(SjisView text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return text;
}
constexpr SjisView trimBlanks(SjisView text) { return trimLeftBlanks(trimRightBlanks(text)); }

// Removes every full-width blank, walking characters so that a trail byte
// is never mistaken for the start of one.
SjisString removeFullWidthBlanks(SjisView text);

// The longest prefix of at most maxBytes that does not end inside a
// double-byte character.
SjisView cutAtCharBoundary(SjisView text, std::size_t maxBytes);

// Text right-aligned (or left-aligned) in width bytes; longer text is kept whole.
SjisString padLeft(SjisView text, std::size_t width);
SjisString padRight(SjisView text, std::size_t width);

}  // namespace vantor
