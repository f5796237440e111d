#include <gtest/gtest.h>

#include <string>

#include "codes/circled_number.h"
#include "codes/horse_codes.h"
#include "text/encoding.h"

using namespace vantor;

namespace {
SjisString sj(std::string_view utf8) { return utf8ToCp932(utf8); }
}  // namespace

TEST(HorseCodes, CoatColourAndSexAreExactCodes) {
    EXPECT_EQ(KeiroName("01"), sj("栗毛"));
    EXPECT_EQ(KeiroName("11"), sj("白毛"));
    for (const char* other : {"00", "12", "1", " 1", "01 ", "", "ab"})
        EXPECT_EQ(KeiroName(sjisBytes(other)), "\x81\x7C"_sjis) << other;
    EXPECT_EQ(SexName("1"), sj("牡"));
    EXPECT_EQ(SexName("2"), sj("牝"));
    EXPECT_EQ(SexName("3"), "\xBE\xDD"_sjis);  // half-width ｾﾝ
    for (const char* other : {"0", "4", "01", " 1", ""}) EXPECT_EQ(SexName(sjisBytes(other)), ""_sjis) << other;
}

TEST(HorseCodes, SymbolMarksAndTheirGaps) {
    EXPECT_EQ(UmaKigoName("1"), "(\x92\x8A)"_sjis);  // (抽) with half-width brackets
    EXPECT_EQ(UmaKigoName("02"), sj("[抽]"));
    EXPECT_EQ(UmaKigoName("12"), sj("(父)(市)(地)"));
    EXPECT_EQ(UmaKigoName("27"), sj("(父)[外]"));
    EXPECT_EQ(UmaKigoName("31"), sj("(特)"));
    EXPECT_EQ(UmaKigoName("40"), sj("(父)(外)(地)"));
    EXPECT_EQ(UmaKigoName("41"), sj("(父)(外)[地]"));
    for (const char* gap : {"00", "", "  ", "13", "14", "28", "29", "30", "32", "39", "42", "999", "-1", "x"})
        EXPECT_EQ(UmaKigoName(sjisBytes(gap)), "\x81\x40"_sjis) << '"' << gap << '"';
}

TEST(CircledNumber, OneToEighteenOnly) {
    EXPECT_EQ(CircledNumber(1), "\x87\x40"_sjis);
    EXPECT_EQ(CircledNumber(18), "\x87\x51"_sjis);
    for (long long n : {0LL, 19LL, -1LL, 4294967297LL}) EXPECT_EQ(CircledNumber(n), "\x81\x7C"_sjis) << n;
    EXPECT_EQ(CircledNumberText("07"), "\x87\x46"_sjis);
    EXPECT_EQ(CircledNumberText(" 7"), "\x87\x46"_sjis);
    EXPECT_EQ(CircledNumberText("  "), "\x81\x7C"_sjis);
    EXPECT_EQ(CircledNumberText("4294967297"), "\x81\x7C"_sjis);  // must not wrap to 1
}
