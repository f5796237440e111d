#include "codes/racing_format.h"

#include <gtest/gtest.h>

using namespace vantor;

TEST(FormatTimeDiff, SignSecondsAndTenths) {
    EXPECT_EQ(FormatTimeDiff("+012"), "+ 1.2");
    EXPECT_EQ(FormatTimeDiff("-105"), "-10.5");
    EXPECT_EQ(FormatTimeDiff("+005"), "+ 0.5");
    EXPECT_EQ(FormatTimeDiff(" 000"), "  0.0");
    EXPECT_EQ(FormatTimeDiff("+998"), "+99.8");
}

TEST(FormatTimeDiff, NoValueIsFiveBlanks) {
    for (const char* none : {"+999", "-999", " 999", "9999", "0000", " 0000 ", "+   ", "    ", "", "+"})
        EXPECT_EQ(FormatTimeDiff(none), "     ") << '"' << none << '"';
}

TEST(ZeroBlank, RightAlignedInTheInputWidth) {
    EXPECT_EQ(ZeroBlank("0012"), "  12");
    EXPECT_EQ(ZeroBlank("00"), "  ");
    EXPECT_EQ(ZeroBlank("    "), "    ");
    EXPECT_EQ(ZeroBlank(""), "");
    EXPECT_EQ(ZeroBlank("-05"), " -5");
    EXPECT_EQ(ZeroBlank("x1"), "  ");  // not a number reads as 0
    EXPECT_EQ(ZeroBlank("12345 "), " 12345");
}

TEST(OverwriteAt, ReplacesInPlaceAndExtendsPastTheEnd) {
    EXPECT_EQ(OverwriteAt("RA72024052612345", "000000000", 3), "RA00000000012345");
    EXPECT_EQ(OverwriteAt("abcdef", "XY", 1), "XYcdef");
    EXPECT_EQ(OverwriteAt("abcdef", "XY", 6), "abcdeXY");
    EXPECT_EQ(OverwriteAt("abcdef", "XY", 7), "abcdefXY");
    EXPECT_EQ(OverwriteAt("abcdef", "XY", 20), "abcdefXY");
    EXPECT_EQ(OverwriteAt("abcdef", "XY", 0), "XYcdef");
    EXPECT_EQ(OverwriteAt("", "XY", 3), "XY");
    EXPECT_EQ(OverwriteAt("abc", "", 2), "abc");
}

TEST(RemoveFullWidthBlanks, NeverTakesATrailByteForALeadByte) {
    EXPECT_EQ(RemoveFullWidthBlanks("\x81\x81\x40"), "\x81\x81\x40");  // "＝" then "@"
}
