// Built once per case by the mix-up tests: case 0 must build, every other
// case must fail to build inside this file, because it hands UTF-8 text
// where Shift-JIS text is expected or the reverse, or makes a text from
// braces of bytes (which would otherwise pick the (count, byte) constructor).

#include <string>
#include <string_view>

#include "text/encoding.h"
#include "text/sjis.h"

namespace vantor {

std::size_t takesSjis(SjisView text) { return text.size(); }
std::size_t takesUtf8(std::string_view text) { return text.size(); }

std::size_t mixupCase() {
    const std::string utf8 = "jos\xC3\xA9";
    const SjisString sjis = utf8ToCp932(utf8);
#if VANTOR_MIXUP == 0
    return takesSjis(sjis) + takesUtf8(utf8) + takesSjis("ASCII") + takesUtf8(cp932ToUtf8(sjis));
#elif VANTOR_MIXUP == 1
    return takesSjis(utf8);
#elif VANTOR_MIXUP == 2
    return takesUtf8(sjis);
#elif VANTOR_MIXUP == 3
    const SjisString copy = utf8;
    return copy.size();
#elif VANTOR_MIXUP == 4
    const std::string message = sjis;
    return message.size();
#elif VANTOR_MIXUP == 5
    return takesSjis("\xE9\xAB\x99");  // a UTF-8 literal
#elif VANTOR_MIXUP == 6
    return takesUtf8(trimBlanks(sjis));
#elif VANTOR_MIXUP == 7
    const SjisString twoBytes{'A', 'B'};
    return twoBytes.size();
#endif
}

}  // namespace vantor
