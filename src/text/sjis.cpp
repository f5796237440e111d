#include "text/sjis.h"

namespace vantor {

SjisString removeFullWidthBlanks(SjisView text) {
    SjisString out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (isSjisLeadByte(c) && i + 1 < text.size()) {
            if (text.compare(i, 2, kFullWidthBlank) != 0) out.append(text.substr(i, 2));
            i += 2;
        } else {
            out.push_back(text[i]);
            ++i;
        }
    }
    return out;
}

SjisView cutAtCharBoundary(SjisView text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    std::size_t i = 0;
    while (i < maxBytes) {
        const std::size_t step = isSjisLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
        if (i + step > maxBytes) break;
        i += step;
    }
    return text.substr(0, i);
}

SjisString padLeft(SjisView text, std::size_t width) {
    SjisString out(text.size() < width ? width - text.size() : 0, ' ');
    out.append(text);
    return out;
}

SjisString padRight(SjisView text, std::size_t width) {
    SjisString out(text);
    if (out.size() < width) out.append(width - out.size(), ' ');
    return out;
}

}  // namespace vantor
