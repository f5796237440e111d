#include "codes/horse_codes.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "codes/sjis_table.h"
#include "text/encoding.h"

namespace vantor {

SjisString KeiroName(SjisView code) {
    // Index = code number - 1.
    static const auto kNames = toSjisTable<11>(
        {"栗毛", "栃栗毛", "鹿毛", "黒鹿毛", "青鹿毛", "青毛", "芦毛", "栗粕毛", "鹿粕毛", "青粕毛", "白毛"});
    static const SjisString kUnknown = utf8ToCp932("－");
    if (code.size() != 2 || !isAllDigits(code)) return kUnknown;
    const int n = lenientInt(code);
    return n >= 1 && n <= 11 ? kNames[static_cast<std::size_t>(n - 1)] : kUnknown;
}

SjisString SexName(SjisView code) {
    static const auto kNames = toSjisTable<3>({"牡", "牝", "ｾﾝ"});
    if (code == "1") return kNames[0];
    if (code == "2") return kNames[1];
    if (code == "3") return kNames[2];
    return {};
}

SjisString UmaKigoName(SjisView text) {
    // Index = symbol number; empty entries have no mark.
    static const auto kMarks = toSjisTable<42>({
        "",
        "(抽)",
        "[抽]",
        "(父)",
        "(市)",
        "(地)",
        "(外)",
        "(父)(抽)",
        "(父)(市)",
        "(父)(地)",
        "(市)(地)",
        "(外)(地)",
        "(父)(市)(地)",
        "",
        "",
        "(招)",
        "(招)(外)",
        "(招)(父)",
        "(招)(市)",
        "(招)(父)(市)",
        "(父)(外)",
        "[地]",
        "(外)[地]",
        "(父)[地]",
        "(市)[地]",
        "(父)(市)[地]",
        "[外]",
        "(父)[外]",
        "",
        "",
        "",
        "(特)",
        "",
        "",
        "",
        "",
        "",
        "",
        "",
        "",
        "(父)(外)(地)",
        "(父)(外)[地]",
    });
    static const SjisString kNoMark = SjisString(kFullWidthBlank);
    const long long n = lenientNumber(text);
    if (n < 0 || n >= static_cast<long long>(kMarks.size())) return kNoMark;
    const SjisString& mark = kMarks[static_cast<std::size_t>(n)];
    return mark.empty() ? kNoMark : mark;
}

}  // namespace vantor
