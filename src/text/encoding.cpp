#include "text/encoding.h"

#include <iconv.h>

#include <cerrno>

namespace vantor {
namespace {

// One converter per direction and thread; iconv_open is far too slow to
// call per text.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts in; for each character iconv rejects, appends replacement
    // and skips it (one byte, or a whole UTF-8 sequence when the source is
    // UTF-8), so one bad character never costs the rest of the text.
    std::string run(std::string_view in, std::string_view replacement, bool utf8Source) {
        std::string out;
        if (!valid()) return std::string(in);
        out.reserve(in.size() * 3 / 2 + 8);
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char buf[1024];
        while (srcLeft > 0) {
            char* dst = buf;
            std::size_t dstLeft = sizeof buf;
            const std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buf, static_cast<std::size_t>(dst - buf));
            if (rc != static_cast<std::size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            // EILSEQ (invalid) or EINVAL (incomplete at the end).
            out.append(replacement);
            std::size_t skip = 1;
            if (utf8Source)
                while (skip < srcLeft && skip < 4 && (static_cast<unsigned char>(src[skip]) & 0xC0) == 0x80) ++skip;
            src += skip;
            srcLeft -= skip;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::string cp932ToUtf8(SjisView sjis) {
    thread_local Converter conv("UTF-8", "CP932");
    return conv.run(sjis.bytes(), "\xEF\xBF\xBD", false);
}

SjisString utf8ToCp932(std::string_view utf8) {
    thread_local Converter conv("CP932", "UTF-8");
    return SjisString::fromBytes(conv.run(utf8, "?", true));
}

bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        // The sequence's length and the range of its second byte, which
        // rules out overlong forms, surrogates and code points past U+10FFFF.
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (text.size() - i < length) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF)) return false;
        }
        i += length;
    }
    return true;
}

}  // namespace vantor
