// Bytes of another program in a message: printable UTF-8 on one line.

#include "text/printable_text.h"

#include <gtest/gtest.h>

using namespace vantor;

TEST(PrintableText, ControlCodesAndBytesThatAreNoUtf8BecomeEscapes) {
    EXPECT_EQ(printableText(std::string("a\0b", 3)), "a\\x00b");
    EXPECT_EQ(printableText("\x1b[2J\x1b]0;title\x07"), "\\x1b[2J\\x1b]0;title\\x07");
    EXPECT_EQ(printableText("one\r\ntwo\tthree"), "one\\r\\ntwo\\tthree");
    EXPECT_EQ(printableText("C:\\jvfeed"), "C:\\\\jvfeed");
    EXPECT_EQ(printableText("\x7f"), "\\x7f");
    EXPECT_EQ(printableText("\xc2\x9b"
                            "31m"),
              "\\xc2\\x9b31m");                                            // C1 CSI: an escape to some terminals
    EXPECT_EQ(printableText("\x82\xa0\xe3\x81"), "\\x82\\xa0\\xe3\\x81");  // Shift-JIS, a cut character
    EXPECT_EQ(printableText("\xc0\xaf\xed\xa0\x80"), "\\xc0\\xaf\\xed\\xa0\\x80");  // overlong, surrogate
    EXPECT_EQ(printableText("レース ok é"), "レース ok é");
}

TEST(PrintableText, ALongTextIsCutBetweenCharacters) {
    EXPECT_EQ(printableText(std::string(100, 'x'), 10), std::string(10, 'x') + "...");
    EXPECT_EQ(printableText("ああああ", 10), "あああ...");  // 3 bytes each: the fourth does not fit
    EXPECT_EQ(printableText("ab\x01", 4), "ab...");         // nor does half an escape
    EXPECT_EQ(printableText("abc", 3), "abc");
}
