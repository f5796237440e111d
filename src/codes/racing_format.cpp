#include "codes/racing_format.h"

#include <algorithm>

#include "text/formatted.h"

namespace vantor {

SjisString FormatTimeDiff(SjisView timeDiff) {
    constexpr std::size_t kWidth = 5;
    const SjisView digits = trimBlanks(field(timeDiff, 2, 3));
    const SjisView whole = trimBlanks(timeDiff);
    if (digits.empty() || digits == "999" || whole == "9999" || whole == "0000") return SjisString(kWidth, ' ');
    SjisString out(field(timeDiff, 1, 1));
    out += padLeft(formatted("%lld", lenientNumber(field(timeDiff, 2, 2))), 2);
    out += '.';
    out += field(timeDiff, 4, 1);
    return out;
}

SjisString ZeroBlank(SjisView text) {
    const long long v = lenientNumber(text);
    if (v == 0) return SjisString(text.size(), ' ');
    return padLeft(formatted("%lld", v), text.size());
}

SjisString OverwriteAt(SjisView text, SjisView piece, std::size_t position) {
    const std::size_t at = std::min(position == 0 ? 0 : position - 1, text.size());
    SjisString out(text.substr(0, at));
    out += piece;
    if (at + piece.size() < text.size()) out += text.substr(at + piece.size());
    return out;
}

}  // namespace vantor
