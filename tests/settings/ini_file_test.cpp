#include "settings/ini_file.h"

#include <gtest/gtest.h>

using namespace vantor;

namespace {

// The value an indexed text and a single pass over the same text find.
void expectValue(SjisView text, SjisView section, SjisView key, std::optional<SjisView> expected) {
    EXPECT_EQ(IniText(SjisString(text)).value(section, key), expected) << section.bytes() << "/" << key.bytes();
    EXPECT_EQ(iniValue(text, section, key), expected) << section.bytes() << "/" << key.bytes() << " in one pass";
}

}  // namespace

TEST(IniText, ReadsProfileLinesLikeWindows) {
    const SjisView text =
        "top=1\n"  // before any section: never found
        "[locate]\r\n"
        "  Top = 15 \r\n"
        "\tleft=a=b\n"
        "; comment=1\n"
        "[ Dir ]\n"
        "yoso=";  // the last line without its line break
    expectValue(text, "LOCATE", "top", "15"_sjis);
    expectValue(text, "locate", "left", "a=b"_sjis);  // split at the first "="
    expectValue(text, "locate", "; comment", std::nullopt);
    expectValue(text, "dir", "YOSO", ""_sjis);  // present but empty
    expectValue(text, "Dir", "top", std::nullopt);
    expectValue(text, "none", "top", std::nullopt);
    expectValue(text, "locate", "top\n", std::nullopt);  // a name that cannot be written
}

TEST(IniText, CaseFoldingAndBracketsNeverTouchTrailBytes) {
    // 0x83 0x41 "ア" and 0x83 0x61 "ヂ" differ only in a trail byte that looks like 'A'/'a';
    // 0x83 0x5D "ポ" has a trail byte equal to ']'.
    const SjisView text = "[\x83\x41]\nk=1\n[\x83\x5D]\nk=2\n"_sjis;
    expectValue(text, "\x83\x41"_sjis, "k", "1"_sjis);
    expectValue(text, "\x83\x61"_sjis, "k", std::nullopt);
    expectValue(text, "\x83\x5D"_sjis, "k", "2"_sjis);
}

TEST(IniText, RewriteKeepsEverythingElseInPlace) {
    IniText ini(SjisString("junk line\n[a]\nx=1\n; note\n\n[b]\ny=2\n[A]\nz=3\n"));
    ASSERT_TRUE(ini.setValue("a", "X", "9"));    // first occurrence, stored spelling kept
    ASSERT_TRUE(ini.setValue("a", "new", "n"));  // after the section's last line, before the blank
    ASSERT_TRUE(ini.setValue("A", "z", "4"));    // the key lives in the second "[A]"
    ASSERT_TRUE(ini.setValue("c", "w", "5"));
    EXPECT_EQ(ini.text(),
              "junk line\r\n[a]\r\nx=9\r\n; note\r\nnew=n\r\n\r\n[b]\r\ny=2\r\n[A]\r\nz=4\r\n\r\n[c]\r\nw=5\r\n"_sjis);
    EXPECT_TRUE(IniText(SjisString()).text().empty());
}

TEST(IniText, RefusesNamesAndValuesThatWouldInjectLines) {
    IniText ini(SjisString("[a]\nx=1\n"));
    EXPECT_FALSE(ini.setValue("a", "x", "1\r\n[locate]\r\ntop=5"));
    EXPECT_FALSE(ini.setValue("a]\n[b", "x", "1"));
    EXPECT_FALSE(ini.setValue("a", "k=v", "1"));
    EXPECT_FALSE(ini.setValue("a", "", "1"));
    EXPECT_FALSE(ini.setValue("", "x", "1"));
    EXPECT_FALSE(ini.setValue("a", " x", "1"));
    EXPECT_FALSE(ini.setValue("a", "[x", "1"));
    EXPECT_EQ(ini.text(), "[a]\r\nx=1\r\n"_sjis);
    EXPECT_TRUE(ini.setValue("\x83\x5D"_sjis, "k", "1"));  // a trail byte 0x5D is no "]"
}

TEST(IniText, GarbageNeverMatchesAndNeverBreaks) {
    std::string garbage("\0\xFF\x81[\x01=\n\x81", 8);
    garbage += std::string(1 << 20, '\x83');  // a 1 MB line of lead bytes
    garbage += "\n[locate\ntop=1\n=2\n";
    expectValue(sjisBytes(garbage), "locate", "top", std::nullopt);
    IniText ini(SjisString::fromBytes(garbage));
    ASSERT_TRUE(ini.setValue("locate", "top", "3"));
    EXPECT_EQ(IniText(ini.text()).value("locate", "top"), "3"_sjis);
}

TEST(IniText, LookupsAndChangesFindWhatALineByLineReadingFinds) {
    // Sections and keys repeated in other spellings, a CR ending a line's own
    // text, and a section that is split: each lookup gives the first line a
    // reading from the top finds, and a change leaves every other line as it was.
    const SjisView text = "[A]\r\nk=1\r\n[b]\r\nK=2\r\nodd=x\r\r\n[a]\r\nk=3\r\nlater=4\r\n[B]\r\nk=5\r\nlater=6\r\n";
    expectValue(text, "a", "K", "1"_sjis);
    expectValue(text, "b", "k", "2"_sjis);
    expectValue(text, "A", "later", "4"_sjis);  // in the second "[a]"
    expectValue(text, "b", "later", "6"_sjis);
    expectValue(text, "b", "odd", "x\r"_sjis);
    expectValue(text, "ab", "k", std::nullopt);  // names do not run into each other
    expectValue(text, "a", "bk", std::nullopt);

    IniText ini{SjisString(text)};
    ASSERT_TRUE(ini.setValue("B", "LATER", "7"));
    ASSERT_TRUE(ini.setValue("a", "new", "8"));  // after the first "[A]"'s lines
    EXPECT_EQ(
        ini.text(),
        "[A]\r\nk=1\r\nnew=8\r\n[b]\r\nK=2\r\nodd=x\r\r\n[a]\r\nk=3\r\nlater=4\r\n[B]\r\nk=5\r\nlater=7\r\n"_sjis);
    EXPECT_EQ(ini.value("b", "odd"), "x\r"_sjis);
    EXPECT_EQ(ini.value("b", "later"), "7"_sjis);
    EXPECT_EQ(ini.value("a", "new"), "8"_sjis);
}
