#pragma once
// Character-wise scanning of Shift-JIS text. A trail byte may equal an ASCII
// byte such as "]" or a letter, so searches and case folding walk whole
// characters instead of single bytes.

#include <cstddef>

#include "text/sjis.h"

namespace vantor {

// Byte position of the first single-byte character c, or ShiftJisView::npos.
std::size_t findSjisChar(ShiftJisView text, char c);

// Byte position where the last character of a non-empty text begins.
std::size_t lastSjisCharStart(ShiftJisView text);

// Equal when ASCII letters are compared without regard to case;
// double-byte characters must match exactly.
bool equalsIgnoringAsciiCase(ShiftJisView a, ShiftJisView b);

}  // namespace vantor
