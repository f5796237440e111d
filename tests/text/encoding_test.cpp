#include "text/encoding.h"

#include <gtest/gtest.h>

using namespace vantor;

TEST(Encoding, RoundTripsJapaneseText) {
    const std::string utf8 = "東京ﾀﾞｰﾄ①⑱　あア";
    const SjisString sjis = utf8ToCp932(utf8);
    EXPECT_EQ(sjis.view().substr(0, 4), "\x93\x8C\x8B\x9E"_sjis);
    EXPECT_EQ(cp932ToUtf8(sjis), utf8);
    EXPECT_EQ(utf8ToCp932("①"), "\x87\x40"_sjis);
    EXPECT_EQ(utf8ToCp932("⑱"), "\x87\x51"_sjis);
}

TEST(Encoding, InvalidBytesNeverLoseTheRest) {
    // A dangling lead byte at the end of a cut.
    EXPECT_EQ(cp932ToUtf8("AB\x93"_sjis), "AB\xEF\xBF\xBD");
    // An invalid byte in the middle.
    EXPECT_EQ(cp932ToUtf8("A\xFF"
                          "B"_sjis),
              "A\xEF\xBF\xBD"
              "B");
    // Long texts cross the converter's buffer.
    SjisString longText(5000, 'x');
    longText += "\x93\x8C"_sjis;
    EXPECT_EQ(cp932ToUtf8(longText), std::string(5000, 'x') + "東");
}

TEST(Encoding, UnmappableCharactersBecomeOneQuestionMark) {
    EXPECT_EQ(utf8ToCp932("a😀b"), "a?b"_sjis);
    EXPECT_EQ(utf8ToCp932("a\xC3"
                          "b"),
              "a?b"_sjis);  // broken UTF-8
    EXPECT_TRUE(utf8ToCp932("").empty());
}

TEST(Encoding, TellsWellFormedUtf8FromShiftJis) {
    EXPECT_TRUE(isValidUtf8(""));
    EXPECT_TRUE(isValidUtf8("/home/josé/Müller 한 日本/😀"));
    EXPECT_TRUE(isValidUtf8("\xED\x9F\xBF\xF4\x8F\xBF\xBF"));  // U+D7FF and U+10FFFF, the last before each bound
    EXPECT_FALSE(isValidUtf8(utf8ToCp932("/home/日本").bytes()));
    EXPECT_FALSE(isValidUtf8(utf8ToCp932("ｶﾅ").bytes()));  // half-width kana: lone bytes of 0xA1-0xDF
    EXPECT_FALSE(isValidUtf8("jos\xC3"));                  // cut inside a character
    EXPECT_FALSE(isValidUtf8("\xC3\x41"));                 // a lead followed by "A", not a continuation
    EXPECT_FALSE(isValidUtf8("\x80"));                     // a stray continuation
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));                 // overlong "/"
    EXPECT_FALSE(isValidUtf8("\xE0\x80\xAF"));             // overlong "/" in three bytes
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));             // a surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));         // past U+10FFFF
}
