#pragma once
// Character-wise scanning of Shift-JIS text. A trail byte may equal an ASCII
// byte such as "]" or a letter, so searches and case folding walk whole
// characters instead of single bytes.

#include <cstddef>

#include "text/sjis.h"

namespace vantor {

// Byte position of the first single-byte character c, or SjisView::npos.
std::size_t findSjisChar(SjisView text, char c);

// Byte position where the last character of a non-empty text begins.
std::size_t lastSjisCharStart(SjisView text);

// Equal when ASCII letters are compared without regard to case;
// double-byte characters must match exactly.
bool equalsIgnoringAsciiCase(SjisView a, SjisView b);

}  // namespace vantor
