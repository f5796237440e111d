#pragma once
// Conversion between Shift-JIS (CP932) and UTF-8 at the program's edges:
// screen, clipboard, file names, command-line output.
//
// Neither direction ever throws or stops early: an invalid or dangling
// CP932 byte becomes U+FFFD and the rest of the text follows; a character
// that CP932 cannot hold becomes "?".

#include <string>
#include <string_view>

#include "text/sjis_string.h"

namespace vantor {

std::string cp932ToUtf8(SjisView sjis);
SjisString utf8ToCp932(std::string_view utf8);

// Whether text is well-formed UTF-8: no stray or missing continuation
// bytes, no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool isValidUtf8(std::string_view text);

}  // namespace vantor
