#include "codes/course_names.h"

#include <gtest/gtest.h>

#include <string>

#include "text/encoding.h"

using namespace vantor;

namespace {

SjisString sj(std::string_view utf8) { return utf8ToCp932(utf8); }

bool isCleanCp932(const SjisString& text) {
    const std::string utf8 = cp932ToUtf8(text);
    return utf8.find("\xEF\xBF\xBD") == std::string::npos && utf8ToCp932(utf8) == text;
}

// Form 2 is two full-width characters, one and two blanks, or four blanks.
bool isFullWidthForm2(const SjisString& t) {
    const auto lead = [&](std::size_t i) { return isSjisLeadByte(static_cast<unsigned char>(t[i])); };
    return (lead(0) && lead(2)) || (lead(0) && t.view().substr(2) == "  ") || t == "    ";
}

}  // namespace

TEST(CourseName, EveryCodeHasBothFormsAtTheirWidths) {
    const std::string alphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    int codes = 0;
    for (char a : alphabet)
        for (char b : alphabet) {
            const std::string code{a, b};
            const auto form0 = CourseName(sjisBytes(code), 0);
            const auto form2 = CourseName(sjisBytes(code), 2);
            ASSERT_EQ(form0.has_value(), form2.has_value()) << code;
            if (!form0) continue;
            ++codes;
            EXPECT_EQ(form0->size(), 6u) << code;
            EXPECT_EQ(form2->size(), 4u) << code;
            EXPECT_TRUE(isCleanCp932(*form0)) << code;
            EXPECT_TRUE(isCleanCp932(*form2)) << code;
            EXPECT_TRUE(isFullWidthForm2(*form2)) << code;
        }
    EXPECT_EQ(codes, 112);
}

TEST(CourseName, NamesAndPadding) {
    EXPECT_EQ(CourseName("05", 2), "\x93\x8C\x8B\x9E"_sjis);  // 東京
    EXPECT_EQ(CourseName("32", 0), sj("岩見沢"));
    EXPECT_EQ(CourseName("32", 2), sj("岩見"));
    EXPECT_EQ(CourseName("A4", 0), sj("ｱﾒﾘｶ  "));
    EXPECT_EQ(CourseName("H0", 0), sj("西ﾄﾞｲﾂ"));
    EXPECT_EQ(CourseName("A6", 0), sj("ｲｷﾞﾘｽ "));
    EXPECT_EQ(CourseName("L0", 0), sj("タイ　"));
    EXPECT_EQ(CourseName("L0", 2), sj("タイ"));
    EXPECT_EQ(CourseName("M6", 2), sj("約  "));
    EXPECT_EQ(CourseName("M8", 2), sj("華  "));
    for (const char* blank : {"C4", "F4", "F6", "G4", "G6", "G8"}) {
        EXPECT_EQ(CourseName(sjisBytes(blank), 0), "      "_sjis) << blank;
        EXPECT_EQ(CourseName(sjisBytes(blank), 2), "    "_sjis) << blank;
    }
}

TEST(CourseName, UnknownCodeOrFormLeavesTheCallersText) {
    for (const char* code : {"1", " 1", "5 ", "00", "11", "29", "62", "A1", "a0", "C3", "N4", "05 ", ""})
        EXPECT_EQ(CourseName(sjisBytes(code), 2), std::nullopt) << '"' << code << '"';
    EXPECT_EQ(CourseName("05", 1), std::nullopt);
    EXPECT_EQ(CourseName("05", -1), std::nullopt);
    SjisString kept("keep");
    if (auto name = CourseName("99", 2)) kept = *name;
    EXPECT_EQ(kept, "keep"_sjis);
}

TEST(CourseClass, JraLocalOverseasOrBlank) {
    for (int n = 1; n <= 10; ++n) {
        const std::string code = (n < 10 ? "0" : "") + std::to_string(n);
        EXPECT_EQ(CourseClass(sjisBytes(code)), CourseName(sjisBytes(code), 0)) << code;
    }
    for (int n = 30; n <= 61; ++n) EXPECT_EQ(CourseClass(sjisBytes(std::to_string(n))), sj("地方  ")) << n;
    for (const char* code : {"A0", "B8", "C4", "C7", "F1", "G8", "K8", "M8", "N2"})
        EXPECT_EQ(CourseClass(sjisBytes(code)), sj("海外  ")) << code;
    for (const char* code : {"C5", "00", "11", "29", "62", "1", " 1", "A1", "F3", "N4", "ZZ", ""})
        EXPECT_EQ(CourseClass(sjisBytes(code)), "      "_sjis) << '"' << code << '"';
}

TEST(KolCourseName, DigitOrOther) {
    EXPECT_EQ(KolCourseName("0"), sj("京都"));
    EXPECT_EQ(KolCourseName("9"), sj("函館"));
    EXPECT_EQ(KolCourseName(" "), sj("京都"));  // blank reads as 0
    EXPECT_EQ(KolCourseName("10"), sj("ｿﾉ他"));
    EXPECT_EQ(KolCourseName("-1"), sj("ｿﾉ他"));
}
