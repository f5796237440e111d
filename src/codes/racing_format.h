#pragma once
// Small formatters for racing values on cards, lists and prints.

#include <cstddef>

#include "text/sjis.h"

namespace vantor {

// The 4-character time difference to the winner (sign, then seconds and
// tenths in three digits) as sign, seconds right-aligned in two, ".", tenths:
// "+012" gives "+ 1.2", "-105" gives "-10.5". No value ("+999", "9999",
// "0000", blank digits) gives five blanks.
SjisString FormatTimeDiff(SjisView timeDiff);

// The number read leniently from text, right-aligned in the text's width
// ("0012" gives "  12"; a longer number is written whole); 0 gives blanks of
// that width.
SjisString ZeroBlank(SjisView text);

// text with piece written over it from the 1-based position (0 counts as 1).
// Where text ends before the piece does, it is extended by the rest of the
// piece; where it ends before the position, the piece is appended.
SjisString OverwriteAt(SjisView text, SjisView piece, std::size_t position);

// text without any full-width blank; a trail byte is never taken for the
// start of one.
inline SjisString RemoveFullWidthBlanks(SjisView text) { return removeFullWidthBlanks(text); }

}  // namespace vantor
