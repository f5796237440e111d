// The analysis grids' cells as drawing operations.

#include <gtest/gtest.h>

#include "analysis/race_card.h"
#include "painting/check_grid_layout.h"
#include "painting/list_grid_layout.h"
#include "painting/trainer_view_layout.h"
#include "support/hand_day.h"
#include "support/ops_readers.h"
#include "text/formatted.h"

using namespace vantor;
using namespace vantor::views;
using test::opsOf;
using test::u;

namespace {

constexpr int kRace = 4;
const ViewColours kColours{{255, 255, 225}, {240, 240, 240}, {255, 255, 255}};
const draw::Font kListFont{std::string(kGothicFamily), 12, true, false};
const card::CellBox kCheckBox{69, 24, 1};
const card::CellBox kCardBox{139, 69, 1};
const card::CellBox kListBox{59, 14, 1};

std::vector<std::string> strings(const draw::Ops& ops) {
    std::vector<std::string> out;
    for (const draw::Text& t : test::textsOf(ops)) out.push_back(u(t.text));
    return out;
}

// The fill that covers the whole cell, if any.
std::optional<draw::Rgb> cellFill(const draw::Ops& ops, const card::CellBox& box) {
    for (const draw::Fill& f : opsOf<draw::Fill>(ops))
        if (f.x == 0 && f.y == 0 && f.w == box.width && f.h == box.height) return f.color;
    return std::nullopt;
}

class ViewLayouts : public ::testing::Test {
protected:
    // Horse number 3 of race slot 4.
    ViewLayouts() {
        hand.addRace(kRace, "05", 11, 3);
        hand.addRunner(kRace, 2, {.name = "アイウエオ", .number = "03"});
        hand.race(kRace).SexCd[2] = "2";
        hand.race(kRace).Futan[2] = "550";
    }
    draw::Ops check(int col, SjisView number = "03", int row = 1) {
        return checkGridCell(hand.day(), kRace, col, row, number, "", kCheckBox, kColours);
    }

    test::HandDay hand;
};

}  // namespace

TEST_F(ViewLayouts, BracketCellsTakeTheBracketColourWithBlackDigitsOnOneAndFiveOnly) {
    const draw::Rgb fills[] = {{255, 255, 255}, {128, 128, 128}, {255, 0, 0},   {0, 0, 255},
                               {255, 255, 0},   {0, 255, 0},     {255, 128, 0}, {255, 0, 255}};
    for (int bracket = 1; bracket <= 8; ++bracket) {
        SCOPED_TRACE(bracket);
        const SjisString digit = formatted("%d", bracket);
        hand.race(kRace).Wakuban[2] = digit;
        const draw::Rgb fill = fills[bracket - 1];
        const auto digits = test::textsOf(check(0));
        ASSERT_EQ(digits.size(), 1u);
        EXPECT_EQ(digits[0].text, digit);
        EXPECT_EQ(digits[0].color, bracket == 1 || bracket == 5 ? draw::kBlack : draw::kWhite);
        EXPECT_EQ(cellFill(check(0), kCheckBox), fill);
        EXPECT_EQ(cellFill(trainerGridCell(hand.day(), 1, 1, TrainerRunner{kRace, 2}, kCardBox, kColours), kCardBox),
                  fill);
        EXPECT_EQ(cellFill(listGridCell(signGridStyle(), 0, 1, digit, kListBox, kListFont, kColours), kListBox), fill);
        EXPECT_EQ(cellFill(listGridCell(searchListGridStyle(), 1, 1, digit, kListBox, kListFont, kColours), kListBox),
                  fill);
    }
    // No bracket: the cell keeps the grid's own fill.
    hand.race(kRace).Wakuban[2] = " ";
    EXPECT_EQ(cellFill(check(0), kCheckBox), kColours.buttonFace);
    EXPECT_EQ(cellFill(listGridCell(horseSearchGridStyle(), 1, 1, "", kListBox, kListFont, kColours), kListBox),
              kColours.window);
}

TEST_F(ViewLayouts, WeekColumnsDrawRestsFrom56DaysInRed) {
    hand.week(kRace, 2, 3, "20240407", 56, 2);
    hand.week(kRace, 2, 4, "20240331", 55, 1);
    const int week3 = kCheckFirstWeekColumn + 2;
    const auto rest = test::textsOf(check(week3));
    ASSERT_EQ(strings(check(week3)), (std::vector<std::string>{"2024.04.07", "56日", "　 2着"}));
    EXPECT_EQ(rest[1].color, draw::kRed);
    EXPECT_EQ(rest[2].color, draw::kBlack);
    EXPECT_TRUE(rest[2].y == rest[1].y && rest[2].x > rest[1].x && rest[1].y > rest[0].y);
    EXPECT_EQ(test::textsOf(check(week3 + 1))[1].color, draw::kBlack) << "55 days";
    EXPECT_EQ(strings(check(week3 + 2)), (std::vector<std::string>{"    ", "　    "})) << "no run";

    EXPECT_EQ(strings(check(kCheckHorseColumn)), (std::vector<std::string>{"アイウエオ", "牝  ", "55.0kg"}));
    EXPECT_TRUE(strings(check(kCheckUserMarkColumn)).empty()) << "no mark";
    hand.race(kRace).UserMark[2] = "\x92\x8d"_sjis;  // 注
    EXPECT_EQ(strings(check(kCheckUserMarkColumn)), (std::vector<std::string>{"注"}));
    for (const SjisView number : {""_sjis, "0"_sjis, "19"_sjis})
        EXPECT_EQ(strings(check(0, number)), (std::vector<std::string>{"枠", "番"}))
            << "a header row: " << number.bytes();
    EXPECT_EQ(strings(check(kCheckGridCols - 1, "03", 0)), (std::vector<std::string>{"25週前", "間隔　着順"}));
}

TEST_F(ViewLayouts, TrainerGridCoversItsHiddenKeysAndEndsEveryCellWithABottomLine) {
    // Race slot 12, runner position 4: keys "12" and " 4".
    hand.addRace(12, "08", 7, 5);
    hand.addRunner(12, 4, {.bracket = "3", .number = "05"});
    hand.marks(12).SortKey[4] = "z";  // no order key: a blank
    const TrainerRunner runner{12, 4};
    EXPECT_EQ(strings(trainerGridCell(hand.day(), 0, 1, runner, kCardBox, kColours)),
              (std::vector<std::string>{"京都", " 7R"}));
    EXPECT_EQ(strings(trainerGridCell(hand.day(), 1, 1, runner, kCardBox, kColours)),
              (std::vector<std::string>{" 5", "3", " "}));
    EXPECT_EQ(strings(trainerGridCell(hand.day(), 1, 0, std::nullopt, kCardBox, kColours)),
              (std::vector<std::string>{"馬", "枠"}));
    for (int col = 0; col < card::kCardColumns; ++col)
        for (int row = 0; row < 2; ++row) {
            const auto ops =
                trainerGridCell(hand.day(), col, row, row ? std::optional(runner) : std::nullopt, kCardBox, kColours);
            EXPECT_TRUE(col >= 2 || cellFill(ops, kCardBox)) << "keys covered: " << col << "/" << row;
            const auto lines = opsOf<draw::Line>(ops);
            EXPECT_TRUE(!lines.empty() && lines.back().y1 == kCardBox.height - 1) << col << "/" << row;
        }
    EXPECT_TRUE(trainerGridCell(hand.day(), 3, 1, std::nullopt, kCardBox, kColours).empty());

    hand.race(12).UserMark[4] = "\x81\xa2"_sjis;  // △
    EXPECT_EQ(strings(trainerGridCell(hand.day(), card::kUserMarkColumn, 1, runner, kCardBox, kColours)),
              (std::vector<std::string>{"△"}))
        << "the trainer grid shows the card's mark column";
}

TEST_F(ViewLayouts, ListCellsAreCentredExceptTheirTextColumns) {
    const auto x = [](const ListGridStyle& style, int col, int row) {
        return test::textsOf(listGridCell(style, col, row, "AB", kListBox, kListFont, kColours))[0].x;
    };
    EXPECT_GT(x(searchListGridStyle(), 5, 1), 2);
    EXPECT_EQ(x(searchListGridStyle(), 6, 1), 2);
    EXPECT_EQ(x(searchListGridStyle(), 6, 0), x(searchListGridStyle(), 5, 1)) << "headers are centred";
    EXPECT_EQ(x(signGridStyle(), 5, 1), 2);
    EXPECT_EQ(x(signGridStyle(), 9, 1), 2);
    EXPECT_GT(x(signGridStyle(), kSignUserMarkColumn, 1), 2) << "the mark is centred";
    EXPECT_EQ(x(horseSearchGridStyle(), 5, 1), 2);
    EXPECT_EQ(cellFill(listGridCell(signGridStyle(), 10, 0, "", kListBox, kListFont, kColours), kListBox),
              card::kSilver);
}
