#include "text/sjis.h"

#include <gtest/gtest.h>

#include "text/fixed_text.h"

using namespace vantor;

TEST(FieldCut, OneBasedAndSafePastTheEnd) {
    constexpr SjisView rec = "RA7202405260501";
    EXPECT_EQ(field(rec, 1, 2), "RA"_sjis);
    EXPECT_EQ(field(rec, 12, 4), "0501"_sjis);
    EXPECT_EQ(field(rec, 14, 10), "01"_sjis);  // short record: what is there
    EXPECT_TRUE(field(rec, 16, 1).empty());
    EXPECT_TRUE(field(rec, 0, 3).empty());
}

TEST(LenientNumber, ReadsLikeTheRecordsNeed) {
    EXPECT_EQ(lenientNumber("0012"), 12);
    EXPECT_EQ(lenientNumber("12 "), 12);
    EXPECT_EQ(lenientNumber("  7"), 7);
    EXPECT_EQ(lenientNumber("-105"), -105);
    EXPECT_EQ(lenientNumber("+012"), 12);
    EXPECT_EQ(lenientNumber("    "), 0);
    EXPECT_EQ(lenientNumber(""), 0);
    EXPECT_EQ(lenientNumber("1 2"), 1);
    EXPECT_EQ(lenientNumber("-"), 0);
    EXPECT_EQ(lenientNumber("A1"), 0);
    EXPECT_EQ(lenientNumber("\x82\x50"_sjis), 0);               // full-width digit is not a digit
    EXPECT_GT(lenientNumber("99999999999999999999999999"), 0);  // no overflow into negatives
    EXPECT_EQ(lenientInt("99999999999"), INT32_MAX);
}

TEST(RemoveFullWidthBlanks, NeverMatchesATrailByte) {
    EXPECT_EQ(removeFullWidthBlanks("\x83\x41\x81\x40\x83\x43"_sjis), "\x83\x41\x83\x43"_sjis);
    // 0x81 0x81 is one character (a full-width "＝"); the 0x81 0x40 spanning its
    // trail byte and the next blank byte is not a full-width blank.
    EXPECT_EQ(removeFullWidthBlanks("\x81\x81\x40"_sjis), "\x81\x81\x40"_sjis);
    EXPECT_TRUE(removeFullWidthBlanks("\x81\x40\x81\x40"_sjis).empty());
    // A dangling lead byte at the end is kept.
    EXPECT_EQ(removeFullWidthBlanks("A\x81"_sjis), "A\x81"_sjis);
    // Half-width katakana are single bytes.
    EXPECT_EQ(removeFullWidthBlanks("\xB1\x81\x40\xB2"_sjis), "\xB1\xB2"_sjis);
}

TEST(Trim, OnlyHalfWidthBlanks) {
    EXPECT_EQ(trimBlanks("  ab  "), "ab"_sjis);
    EXPECT_TRUE(trimBlanks("    ").empty());
    EXPECT_EQ(trimRightBlanks("\x81\x40 "_sjis), "\x81\x40"_sjis);
}

TEST(CutAtCharBoundary, DoesNotSplitADoubleByteCharacter) {
    EXPECT_EQ(cutAtCharBoundary("\x83\x41\x83\x43"_sjis, 3), "\x83\x41"_sjis);
    EXPECT_EQ(cutAtCharBoundary("a\x83\x41"_sjis, 2), "a"_sjis);
    EXPECT_EQ(cutAtCharBoundary("abc", 5), "abc"_sjis);
}

TEST(FixedText, KeepsFirstNBytesInline) {
    FixedText<4> t("abcdef");
    EXPECT_EQ(t.view(), "abcd"_sjis);
    EXPECT_EQ(t.size(), 4u);
    t = "x";
    EXPECT_EQ(t, "x"_sjis);
    EXPECT_FALSE(t.empty());
    t.clear();
    EXPECT_TRUE(t.empty());
    static_assert(sizeof(FixedText<18>) <= 18 + 2 * sizeof(std::size_t));
    EXPECT_LT(FixedText<3>("ab"), FixedText<3>("b"));
}
