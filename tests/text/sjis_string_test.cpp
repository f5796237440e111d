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
static_assert(sizeof(SjisView) == sizeof(std::string_view));
static_assert(sizeof(SjisString) == sizeof(std::string));
static_assert(!std::is_convertible_v<std::string, SjisString>);
static_assert(!std::is_convertible_v<const char*, SjisString>);
static_assert(!std::is_convertible_v<const char*, SjisView>);
static_assert(!std::is_convertible_v<SjisView, std::string>);
static_assert(!std::is_convertible_v<FixedText<4>, std::string>);
// Nor does a view of one become a view of the other.
static_assert(!std::is_convertible_v<std::string, SjisView>);
static_assert(!std::is_convertible_v<std::string_view, SjisView>);
static_assert(!std::is_constructible_v<SjisView, std::string_view>);
static_assert(!std::is_constructible_v<SjisString, std::string>);
static_assert(!std::is_convertible_v<SjisString, std::string_view>);
static_assert(!std::is_convertible_v<SjisView, std::string_view>);
static_assert(!std::is_convertible_v<FixedText<4>, std::string_view>);
static_assert(!std::is_convertible_v<std::string_view, FixedText<4>>);
static_assert(std::is_convertible_v<SjisString, SjisView>);
static_assert(std::is_convertible_v<FixedText<4>, SjisView>);

TEST(ShiftJisText, OrdersByUnsignedBytesLikeTheStandardString) {
    // Lists of names sort as before: a lead byte 0x81 or above comes after
    // every ASCII byte, and half-width katakana (0xA1-0xDF) sit between the
    // two lead-byte ranges.
    const std::vector<std::string> bytes = {"\xE0\x40", "z",        "\x83\x41",         "\xB1",
                                            "A",        "\x81\x40", "\x83\x41\x83\x43", ""};
    std::vector<std::string> expected = bytes;
    std::sort(expected.begin(), expected.end());
    std::vector<SjisString> texts;
    for (const std::string& b : bytes) texts.push_back(SjisString::fromBytes(b));
    std::sort(texts.begin(), texts.end());
    std::vector<std::string> sorted;
    for (const SjisString& t : texts) sorted.push_back(t.bytes());
    EXPECT_EQ(sorted, expected);
    EXPECT_LT(FixedText<2>("\x81\x40"_sjis), FixedText<2>("\x83\x41"_sjis));
}

TEST(ShiftJisText, BuildsAndHashesTheSameBytes) {
    SjisString name = "\x8D\x82"_sjis + SjisView("A");
    name += ' ';
    name.append(2, '0');
    EXPECT_EQ(name.bytes(),
              "\x8D\x82"
              "A 00");
    EXPECT_EQ(std::hash<SjisString>{}(name), std::hash<SjisView>{}(name.view()));
    EXPECT_EQ(std::hash<SjisView>{}(name), std::hash<std::string_view>{}(name.bytes()));
    EXPECT_EQ(std::move(name).takeBytes(),
              "\x8D\x82"
              "A 00");
}

TEST(ShiftJisText, FormattedMakesLongTextsWhole) {
    EXPECT_EQ(formatted("%03d", 7), "007"_sjis);
    const SjisString wide = formatted("%0100d", 5);
    ASSERT_EQ(wide.size(), 100u);
    EXPECT_EQ(wide.view().substr(98), "05"_sjis);
}
