#include "codes/racing_format.h"

#include <algorithm>

#include "text/formatted.h"

namespace vantor {

ShiftJisString FormatTimeDiff(ShiftJisView timeDiff) {
    constexpr std::size_t kWidth = 5;
    const ShiftJisView digits = trimBlanks(field(timeDiff, 2, 3));
    const ShiftJisView whole = trimBlanks(timeDiff);
    if (digits.empty() || digits == "999" || whole == "9999" || whole == "0000") return ShiftJisString(kWidth, ' ');
    ShiftJisString out(field(timeDiff, 1, 1));
    out += padLeft(formatted("%lld", lenientNumber(field(timeDiff, 2, 2))), 2);
    out += '.';
    out += field(timeDiff, 4, 1);
    return out;
}

ShiftJisString ZeroBlank(ShiftJisView text) {
    const long long v = lenientNumber(text);
    if (v == 0) return ShiftJisString(text.size(), ' ');
    return padLeft(formatted("%lld", v), text.size());
}

ShiftJisString OverwriteAt(ShiftJisView text, ShiftJisView piece, std::size_t position) {
    const std::size_t at = std::min(position == 0 ? 0 : position - 1, text.size());
    ShiftJisString out(text.substr(0, at));
    out += piece;
    if (at + piece.size() < text.size()) out += text.substr(at + piece.size());
    return out;
}

}  // namespace vantor
