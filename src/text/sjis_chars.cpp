#include "text/sjis_chars.h"

namespace vantor {
namespace {

// Length of the character starting at i; a lead byte at the very end stands alone.
std::size_t charLength(SjisView text, std::size_t i) {
    return isSjisLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

char foldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::size_t findSjisChar(SjisView text, char c) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = charLength(text, i);
        if (length == 1 && text[i] == c) return i;
        i += length;
    }
    return SjisView::npos;
}

std::size_t lastSjisCharStart(SjisView text) {
    std::size_t last = 0;
    for (std::size_t i = 0; i < text.size(); i += charLength(text, i)) last = i;
    return last;
}

bool equalsIgnoringAsciiCase(SjisView a, SjisView b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size();) {
        const std::size_t len = charLength(a, i);
        if (len != charLength(b, i)) return false;
        if (len == 2 ? a.compare(i, 2, b.substr(i, 2)) != 0 : foldAscii(a[i]) != foldAscii(b[i])) return false;
        i += len;
    }
    return true;
}

}  // namespace vantor
