// text/encoding.h on Windows, through the system's code page tables (the
// Linux build uses iconv).

#include "com_text.h"
#include "text/encoding.h"

namespace vantor {

std::string cp932ToUtf8(SjisView sjis) {
    return jvbridge::narrow(jvbridge::widen(sjis.bytes(), jvbridge::kShiftJisCodePage), CP_UTF8);
}

SjisString utf8ToCp932(std::string_view utf8) {
    return SjisString::fromBytes(jvbridge::narrow(jvbridge::widen(utf8, CP_UTF8), jvbridge::kShiftJisCodePage));
}

}  // namespace vantor
