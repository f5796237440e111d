#include "codes/circled_number.h"

#include <string>

#include "text/encoding.h"

namespace vantor {

SjisString CircledNumber(long long n) {
    static const SjisString kNone = utf8ToCp932("－");
    if (n < 1 || n > 18) return kNone;
    // The circled numbers are consecutive in Shift-JIS: "①" is 0x87 0x40.
    return SjisString::fromBytes(std::string{'\x87', static_cast<char>(0x40 + n - 1)});
}

SjisString CircledNumberText(SjisView text) { return CircledNumber(lenientNumber(text)); }

}  // namespace vantor
