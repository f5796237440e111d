// text/encoding.h on Windows, through the system's code page tables (the
// Linux build uses iconv).

#include "com_text.h"
#include "text/encoding.h"

namespace vantor {

std::string cp932ToUtf8(std::string_view sjis) {
    return jvbridge::narrow(jvbridge::widen(sjis, jvbridge::kShiftJisCodePage), CP_UTF8);
}

std::string utf8ToCp932(std::string_view utf8) {
    return jvbridge::narrow(jvbridge::widen(utf8, CP_UTF8), jvbridge::kShiftJisCodePage);
}

}  // namespace vantor
