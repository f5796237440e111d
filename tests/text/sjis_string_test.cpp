#include "text/sjis_string.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <type_traits>
#include <vector>

#include "text/fixed_text.h"
#include "text/formatted.h"

using namespace vantor;

// The types cost what the standard ones cost, and an owning text of one
// encoding never becomes an owning text of the other by itself.
static_assert(sizeof(ShiftJisView) == sizeof(std::string_view));
static_assert(sizeof(ShiftJisString) == sizeof(std::string));
static_assert(!std::is_convertible_v<std::string, ShiftJisString>);
static_assert(!std::is_convertible_v<const char*, ShiftJisString>);
static_assert(!std::is_convertible_v<const char*, ShiftJisView>);
static_assert(!std::is_convertible_v<ShiftJisView, std::string>);
static_assert(!std::is_convertible_v<FixedText<4>, std::string>);
static_assert(std::is_convertible_v<ShiftJisString, ShiftJisView>);
static_assert(std::is_convertible_v<FixedText<4>, ShiftJisView>);

TEST(ShiftJisText, OrdersByUnsignedBytesLikeTheStandardString) {
    // Lists of names sort as before: a lead byte 0x81 or above comes after
    // every ASCII byte, and half-width katakana (0xA1-0xDF) sit between the
    // two lead-byte ranges.
    const std::vector<std::string> bytes = {"\xE0\x40", "z",        "\x83\x41",         "\xB1",
                                            "A",        "\x81\x40", "\x83\x41\x83\x43", ""};
    std::vector<std::string> expected = bytes;
    std::sort(expected.begin(), expected.end());
    std::vector<ShiftJisString> texts;
    for (const std::string& b : bytes) texts.push_back(ShiftJisString::fromBytes(b));
    std::sort(texts.begin(), texts.end());
    std::vector<std::string> sorted;
    for (const ShiftJisString& t : texts) sorted.push_back(t.bytes());
    EXPECT_EQ(sorted, expected);
    EXPECT_LT(FixedText<2>("\x81\x40"_sjis), FixedText<2>("\x83\x41"_sjis));
}

TEST(ShiftJisText, BuildsAndHashesTheSameBytes) {
    ShiftJisString name = "\x8D\x82"_sjis + ShiftJisView("A");
    name += ' ';
    name.append(2, '0');
    EXPECT_EQ(name.bytes(),
              "\x8D\x82"
              "A 00");
    EXPECT_EQ(std::hash<ShiftJisString>{}(name), std::hash<ShiftJisView>{}(name.view()));
    EXPECT_EQ(std::hash<ShiftJisView>{}(name), std::hash<std::string_view>{}(name.bytes()));
    EXPECT_EQ(std::move(name).takeBytes(),
              "\x8D\x82"
              "A 00");
}

TEST(ShiftJisText, FormattedMakesLongTextsWhole) {
    EXPECT_EQ(formatted("%03d", 7), "007"_sjis);
    const ShiftJisString wide = formatted("%0100d", 5);
    ASSERT_EQ(wide.size(), 100u);
    EXPECT_EQ(wide.view().substr(98), "05"_sjis);
}
