// Marks as CSV: what is written reads back the same; marks come in as
// glyphs or numbers, from files that spreadsheets write; a line that
// cannot be read is named by its number and nothing is taken.

#include "usermarks/marks_csv.h"

#include <gtest/gtest.h>

using namespace vantor;

namespace {

std::string problemOf(std::string_view text) {
    auto parsed = parseUserMarksCsv(text);
    return std::holds_alternative<std::string>(parsed) ? std::get<std::string>(parsed) : "";
}

}  // namespace

TEST(UserMarksCsv, ReadsBackWhatItWritesWithEveryGlyph) {
    std::vector<UserMarkRow> rows;
    for (int n = 1; n <= kUserMarkKinds; ++n)
        rows.push_back({"2024052605021101", n, n % kUserMarkSets + 1, *userMarkFromNumber(n)});
    const std::string csv = userMarksCsv(rows);
    EXPECT_TRUE(csv.starts_with("race_key,umaban,set,mark\n2024052605021101,1,2,◎\n")) << csv;
    EXPECT_NE(csv.find("2024052605021101,7,8,注\n"), std::string::npos) << csv;
    auto parsed = parseUserMarksCsv(csv);
    ASSERT_TRUE(std::holds_alternative<std::vector<UserMarkRow>>(parsed)) << std::get<std::string>(parsed);
    EXPECT_EQ(std::get<std::vector<UserMarkRow>>(parsed), rows);
}

TEST(UserMarksCsv, TakesNumbersBlanksAndASpreadsheetsLineEnds) {
    auto parsed = parseUserMarksCsv(
        "\xEF\xBB\xBF"
        "2024052605021101, 3 ,1,2\r\n\r\n2024052605021102,18,8,×\r\n");
    ASSERT_TRUE(std::holds_alternative<std::vector<UserMarkRow>>(parsed)) << std::get<std::string>(parsed);
    EXPECT_EQ(std::get<std::vector<UserMarkRow>>(parsed),
              (std::vector<UserMarkRow>{{"2024052605021101", 3, 1, UserMark::taikou},
                                        {"2024052605021102", 18, 8, UserMark::keshi}}));
}

TEST(UserMarksCsv, NamesTheFirstLineThatCannotBeReadByItsNumber) {
    const std::string good = "race_key,umaban,set,mark\n2024052605021101,1,1,◎\n";
    EXPECT_TRUE(problemOf(good + "2024052605021101,19,1,◎\n").starts_with("3 行目: ")) << problemOf(good + "x");
    EXPECT_TRUE(problemOf(good + "2024052605021101,1,9,◎\n").starts_with("3 行目: "));
    EXPECT_TRUE(problemOf(good + "2024052605021101,1,1,◇\n").starts_with("3 行目: "));
    EXPECT_TRUE(problemOf(good + "2024052605021101,1,1,8\n").starts_with("3 行目: "));
    EXPECT_TRUE(problemOf(good + "2024052605021101,1,1\n").starts_with("3 行目: "));
    EXPECT_TRUE(problemOf(good + "2024052605021101,1,1,◎,extra\n").starts_with("3 行目: "));
    EXPECT_TRUE(problemOf(good + "20240526,1,1,◎\n").starts_with("3 行目: "));
    EXPECT_TRUE(problemOf(good + "2024052605021101,one,1,◎\n").starts_with("3 行目: "));
    EXPECT_TRUE(problemOf("race_key,umaban,set,mark\n" + good).starts_with("2 行目: "));  // a header only first
}
