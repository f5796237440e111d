#include "text/printable_text.h"

namespace vantor {
namespace {

// The length of the UTF-8 character at the start of s that is printable, or
// 0 for a control code, a byte that starts no character, a cut or overlong
// sequence, a surrogate and the C1 controls (U+0080 to U+009F), which some
// terminals take as escapes.
std::size_t printableCharLength(std::string_view s) {
    const auto b = [&s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = b(0);
    if (lead >= 0x20 && lead < 0x7F) return 1;
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0) return 0;
    char32_t c = lead & (0x7F >> length);
    if (s.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((b(i) & 0xC0) != 0x80) return 0;
        c = (c << 6) | (b(i) & 0x3F);
    }
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kLeast[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF) || c <= 0x9F) return 0;
    return length;
}

std::string escaped(unsigned char byte) {
    switch (byte) {
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        case '\t':
            return "\\t";
        case '\\':
            return "\\\\";
        default: {
            static constexpr char kHex[] = "0123456789abcdef";
            return {'\\', 'x', kHex[byte >> 4], kHex[byte & 0x0F]};
        }
    }
}

}  // namespace

std::string printableText(std::string_view bytes, std::size_t maxBytes) {
    std::string out;
    while (!bytes.empty()) {
        const std::size_t length = bytes.front() == '\\' ? 0 : printableCharLength(bytes);
        const std::string piece =
            length > 0 ? std::string(bytes.substr(0, length)) : escaped(static_cast<unsigned char>(bytes.front()));
        if (out.size() + piece.size() > maxBytes) return out + "...";
        out += piece;
        bytes.remove_prefix(length > 0 ? length : 1);
    }
    return out;
}

}  // namespace vantor
