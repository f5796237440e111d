#pragma once
// Building lines of the day's predicted-odds file (".yoz", layout in
// record_layouts/odds_line_layouts.h): one line per race, 1459 characters before its
// CR LF, so that the file reads as fixed records of yoz::kLength bytes. A
// line starts blank and each field is copied to its place; a line's some
// 340 fields go straight into its text, with no text of their own.

#include <algorithm>
#include <cstddef>

#include "record_layouts/odds_line_layouts.h"
#include "text/sjis.h"

namespace vantor {

inline constexpr std::size_t kYozLineLength = yoz::kLength - 2;

inline SjisString blankYozLine() { return SjisString(kYozLineLength, ' '); }

// Copies text into occurrence n of field f of a ".yoz" line, from byte
// `offset` of the field on; what does not fit in the field is left out.
inline void putYozField(SjisString& line, jvdata::Field f, std::size_t offset, SjisView text, int n = 1) {
    const std::size_t room = f.len - std::min<std::size_t>(offset, f.len);
    const SjisView fitted = text.substr(0, std::min(text.size(), room));
    line.replace(f.at(n) - 1 + offset, fitted.size(), fitted);
}

// Copies occurrence n of field `from` of a source line into occurrence n
// of ".yoz" field `to`, behind the blanks that widen it; what a short
// source line lacks stays blank.
inline void copySourceField(SjisString& line, jvdata::Field to, SjisView source, jvdata::Field from, int n = 1) {
    putYozField(line, to, to.len - from.len, jvdata::get(source, from, n), n);
}

}  // namespace vantor
