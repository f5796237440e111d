#include "codes/racing_format.h"

#include <gtest/gtest.h>

using namespace vantor;

TEST(FormatTimeDiff, SignSecondsAndTenths) {
    EXPECT_EQ(FormatTimeDiff("+012"), "+ 1.2"_sjis);
    EXPECT_EQ(FormatTimeDiff("-105"), "-10.5"_sjis);
    EXPECT_EQ(FormatTimeDiff("+005"), "+ 0.5"_sjis);
    EXPECT_EQ(FormatTimeDiff(" 000"), "  0.0"_sjis);
    EXPECT_EQ(FormatTimeDiff("+998"), "+99.8"_sjis);
}

TEST(FormatTimeDiff, NoValueIsFiveBlanks) {
    for (const char* none : {"+999", "-999", " 999", "9999", "0000", " 0000 ", "+   ", "    ", "", "+"})
        EXPECT_EQ(FormatTimeDiff(sjisBytes(none)), "     "_sjis) << '"' << none << '"';
}

TEST(ZeroBlank, RightAlignedInTheInputWidth) {
    EXPECT_EQ(ZeroBlank("0012"), "  12"_sjis);
    EXPECT_EQ(ZeroBlank("00"), "  "_sjis);
    EXPECT_EQ(ZeroBlank("    "), "    "_sjis);
    EXPECT_EQ(ZeroBlank(""), ""_sjis);
    EXPECT_EQ(ZeroBlank("-05"), " -5"_sjis);
    EXPECT_EQ(ZeroBlank("x1"), "  "_sjis);  // not a number reads as 0
    EXPECT_EQ(ZeroBlank("12345 "), " 12345"_sjis);
}

TEST(OverwriteAt, ReplacesInPlaceAndExtendsPastTheEnd) {
    EXPECT_EQ(OverwriteAt("RA72024052612345", "000000000", 3), "RA00000000012345"_sjis);
    EXPECT_EQ(OverwriteAt("abcdef", "XY", 1), "XYcdef"_sjis);
    EXPECT_EQ(OverwriteAt("abcdef", "XY", 6), "abcdeXY"_sjis);
    EXPECT_EQ(OverwriteAt("abcdef", "XY", 7), "abcdefXY"_sjis);
    EXPECT_EQ(OverwriteAt("abcdef", "XY", 20), "abcdefXY"_sjis);
    EXPECT_EQ(OverwriteAt("abcdef", "XY", 0), "XYcdef"_sjis);
    EXPECT_EQ(OverwriteAt("", "XY", 3), "XY"_sjis);
    EXPECT_EQ(OverwriteAt("abc", "", 2), "abc"_sjis);
}

TEST(RemoveFullWidthBlanks, NeverTakesATrailByteForALeadByte) {
    EXPECT_EQ(RemoveFullWidthBlanks("\x81\x81\x40"_sjis), "\x81\x81\x40"_sjis);  // "＝" then "@"
}
