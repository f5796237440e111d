#pragma once
// Japanese texts in the source are written in UTF-8; sjis() turns such a
// literal into the Shift-JIS text the core works in.

#include <string_view>

#include "text/encoding.h"
#include "text/sjis.h"

namespace vantor {

inline SjisString sjis(std::string_view utf8) { return utf8ToCp932(utf8); }

}  // namespace vantor
