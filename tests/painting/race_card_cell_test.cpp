#include "painting/race_card_cell.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "painting/bracket_colours.h"
#include "painting/renderer.h"
#include "painting/text_measure.h"
#include "support/ops_readers.h"
#include "text/encoding.h"
#include "text/formatted.h"

using namespace vantor;
using namespace vantor::card;
using test::opsOf;
using test::textsOf;

namespace {

constexpr int kRace = 2;
constexpr int kSlot = 2;  // horse number 3
const CellBox kRunBox{139, 69, 1};
const CardColours kColours{{255, 255, 225}};

std::string u(const SjisString& s) { return cp932ToUtf8(s); }

class RaceCardCell : public ::testing::Test {
protected:
    static void SetUpTestSuite() { day_ = RaceDay::create().release(); }
    static void TearDownTestSuite() { delete day_; }

    void SetUp() override {
        IniBtnClick(*day_);
        day_->RaceCount = kRace + 1;  // the slot each test fills counts as in use
        day_->JvUmTbl[kRace][kSlot].fillBlank();
        TRaceRec& r = rec();
        r.RacePresent = 1;
        r.TrackCd = "11";
        r.Umaban[kSlot] = "03";
        r.Wakuban[kSlot] = "2";
        r.Bamei[kSlot] = utf8ToCp932("　テストホース    ");
        day_->MarkTbl[kRace].SortKey[kSlot] = "a 1 3";
        setRun(1);
    }

    // Run k of the runner: a finished race of sixteen that it won.
    void setRun(int k) {
        TRaceRec& r = rec();
        r.RunKey[kSlot][k] = "2024042805021211";
        r.RunJokenCd[kSlot][k] = "005";
        r.RunTosu[kSlot][k] = 16;
        r.RunUmaban[kSlot][k] = 5;
        r.RunKyori[kSlot][k] = 2400;
        r.RunTrackCd[kSlot][k] = "11";
        r.RunTenkoCd[kSlot][k] = "1";
        r.RunBabaCd[kSlot][k] = "1";
        r.RunKisyuName[kSlot][k] = utf8ToCp932("武豊    ");
        r.RunFutan[kSlot][k] = 570;
        r.RunNinki[kSlot][k] = 1;
        r.RunTime[kSlot][k] = "2245";
        r.RunAgari[kSlot][k] = "345";
        for (int c = 1; c <= 4; ++c) r.RunCorner[kSlot][k][c] = 5 - c;
        r.RunBaTaijyu[kSlot][k] = 480;
        r.RunSyokin[kSlot][k] = 15000;  // hundreds of yen
        r.RunChakujun[kSlot][k] = 1;
        r.RunAiteUma[kSlot][k] = utf8ToCp932("ライバル");
        r.RunTimeSa[kSlot][k] = "-002";
    }

    static TRaceRec& rec() { return day_->RaceTbl[kRace]; }
    static draw::Ops cell(int col, int runner = kSlot, const CellBox& box = kRunBox) {
        return StringGrid4DrawCell(*day_, kRace, runner, col, box, kColours, false);
    }
    static std::vector<std::string> textStrings(const draw::Ops& ops) {
        std::vector<std::string> out;
        for (const auto& t : textsOf(ops)) out.push_back(u(t.text));
        return out;
    }
    static bool hasBottomLine(const draw::Ops& ops, const CellBox& box = kRunBox) {
        const auto lines = opsOf<draw::Line>(ops);
        return std::any_of(lines.begin(), lines.end(), [&](const draw::Line& l) {
            return l.y1 == box.height - 1 && l.y2 == box.height - 1 && l.x1 == 0 && l.color == draw::kBlack;
        });
    }

    static RaceDay* day_;
};

RaceDay* RaceCardCell::day_ = nullptr;

}  // namespace

TEST_F(RaceCardCell, BracketFillsTheCellAndDigitsAreBlackOnlyOnTheLightBrackets) {
    const draw::Rgb fills[] = {{255, 255, 255}, {128, 128, 128}, {255, 0, 0},   {0, 0, 255},
                               {255, 255, 0},   {0, 255, 0},     {255, 128, 0}, {255, 0, 255}};
    for (int bracket = 1; bracket <= 8; ++bracket) {
        rec().Wakuban[kSlot] = formatted("%d", bracket);
        const draw::Ops ops = cell(kBracketColumn);
        const auto fill = opsOf<draw::Fill>(ops);
        ASSERT_EQ(fill.size(), 1u) << bracket;
        EXPECT_EQ(fill[0].color, fills[bracket - 1]) << bracket;
        const auto digit = textsOf(ops);
        ASSERT_EQ(digit.size(), 1u);
        EXPECT_EQ(digit[0].text, formatted("%d", bracket));
        EXPECT_EQ(digit[0].color, bracket == 1 || bracket == 5 ? draw::kBlack : draw::kWhite) << bracket;
        EXPECT_EQ(digit[0].background, fills[bracket - 1]) << "digits are drawn opaquely on the bracket";
        EXPECT_TRUE(digit[0].font.bold);
        EXPECT_TRUE(hasBottomLine(ops));
    }
    rec().Wakuban[kSlot] = "9";
    EXPECT_TRUE(opsOf<draw::Fill>(cell(kBracketColumn)).empty()) << "an unknown bracket keeps the grid's fill";
    EXPECT_EQ(textsOf(cell(kBracketColumn))[0].color, draw::kWhite);
}

TEST_F(RaceCardCell, FinishingPositionIsRedForAWinBlueForSecondAndThirdBlackBelow) {
    const std::pair<int, draw::Rgb> expected[] = {
        {1, draw::kRed}, {2, draw::kBlue}, {3, draw::kBlue}, {4, draw::kBlack}, {12, draw::kBlack}};
    for (const auto& [position, colour] : expected) {
        rec().RunChakujun[kSlot][1] = position;
        const auto texts = textsOf(cell(kFirstRunColumn + 1));
        const auto finish = std::find_if(texts.begin(), texts.end(), [](const draw::Text& t) { return t.x == 121; });
        ASSERT_NE(finish, texts.end()) << position;
        EXPECT_EQ(finish->text, (position < 10 ? " "_sjis : ""_sjis) + formatted("%d", position));
        EXPECT_EQ(finish->color, colour) << position;
        EXPECT_TRUE(finish->font.bold);
        EXPECT_EQ(finish->font.size, 12) << "9 points";
    }
}

TEST_F(RaceCardCell, RunColumnShowsSixLinesOfTheRunAndEndsWithTheBottomLine) {
    const draw::Ops ops = cell(kFirstRunColumn + 1);
    const auto texts = textStrings(ops);
    for (const char* expected : {"2東京2024.04.28", " 500下", "16頭⑤2400", "芝左", "晴 良", "武豊     57.0kg  1人",
                                 "2245", "④", "①", " 3F:345", "480kg   1500千円", "ライバル- 0.2"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
    std::set<int> lines;
    for (const auto& t : textsOf(ops)) lines.insert(t.y);
    EXPECT_EQ(lines.size(), 6u);
    EXPECT_TRUE(hasBottomLine(ops));
    const auto track = textsOf(ops)[3];
    EXPECT_EQ(track.color, (draw::Rgb{0, 0x80, 0})) << "turf in green";
}

TEST_F(RaceCardCell, RunSlotWithoutRaceKeyIsAWhiteCellWithoutTextOrLine) {
    for (const char* key : {"", "    0428050212", "                "}) {
        rec().RunKey[kSlot][1] = sjisBytes(key);
        const draw::Ops ops = cell(kFirstRunColumn + 1);
        ASSERT_EQ(ops.size(), 1u) << '"' << key << '"';
        EXPECT_EQ(std::get<draw::Fill>(ops[0]).color, draw::kWhite);
    }
}

TEST_F(RaceCardCell, RunWithoutATimeShowsItsFirstThreeLinesOnly) {
    rec().RunTime[kSlot][1] = "0000";
    const draw::Ops ops = cell(kFirstRunColumn + 1);
    std::set<int> lines;
    for (const auto& t : textsOf(ops)) lines.insert(t.y);
    EXPECT_EQ(lines.size(), 3u);
    EXPECT_FALSE(hasBottomLine(ops));
    const auto texts = textStrings(ops);
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "0000"), texts.end());
}

TEST_F(RaceCardCell, RaceColumnIsBlankWithPredictedOddsUntilPayoutsArriveThenShowsWinOdds) {
    setRun(0);
    rec().RunOdds[kSlot][0] = "0123";
    rec().YozLoaded = 1;
    const draw::Ops waiting = cell(kFirstRunColumn);
    EXPECT_TRUE(textsOf(waiting).empty());
    EXPECT_TRUE(hasBottomLine(waiting));

    rec().HrLoaded = 1;
    EXPECT_EQ(textStrings(cell(kFirstRunColumn)).back(), "　 12.3倍");
    EXPECT_EQ(textStrings(cell(kFirstRunColumn + 1)).back(), "ライバル- 0.2") << "earlier runs keep the margin line";
}

TEST_F(RaceCardCell, OrderKeyLetterSitsUnderTheHorseNumberAndNoKeyIsABlank) {
    auto letter = [&] {
        const auto texts = textsOf(cell(kNumberColumn));
        EXPECT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[0].text, " 3"_sjis);
        EXPECT_EQ(texts[1].color, draw::kBlue);
        EXPECT_GT(texts[1].y, texts[0].y + 20);
        return texts[1].text;
    };
    EXPECT_EQ(letter(), "a"_sjis);
    day_->MarkTbl[kRace].SortKey[kSlot] = "z9999";
    EXPECT_EQ(letter(), " "_sjis);
    EXPECT_EQ(std::get<draw::Fill>(cell(kNumberColumn)[0]).color, kColours.infoBackground);
}

TEST_F(RaceCardCell, HeaderRowCaptionsAndRaceColumnsKeepTheGridCaption) {
    const CellBox header{19, 59, 1};
    const draw::Ops frame = cell(kBracketColumn, kHeaderRunner, header);
    EXPECT_EQ(std::get<draw::Fill>(frame[0]).color, (draw::Rgb{0xC0, 0xC0, 0xC0}));
    const auto captions = textsOf(frame);
    ASSERT_EQ(captions.size(), 2u);
    EXPECT_EQ(u(captions[0].text), "枠");
    EXPECT_EQ(u(captions[1].text), "番");
    EXPECT_EQ(captions[1].y, captions[0].y + draw::screenMeasure().lineHeight(captions[0].font) + 10);

    const auto prize = textsOf(cell(kPrizeColumn, kHeaderRunner, {79, 59, 1}));
    ASSERT_EQ(prize.size(), 6u);
    EXPECT_EQ(prize[0].y, 1) << "from the grid line, not one below it";
    EXPECT_EQ(prize[1].y, 1 + draw::screenMeasure().lineHeight(prize[0].font) - 1);
    EXPECT_EQ(u(prize[5].text), "予想配当・順位");

    for (int col = kFirstRunColumn; col < kCardColumns; ++col) {
        const draw::Ops race = cell(col, kHeaderRunner, header);
        ASSERT_EQ(race.size(), 1u);
        EXPECT_TRUE(hasBottomLine(race, header));
    }
}

TEST_F(RaceCardCell, RowsPaintTheirRunnerSlotAndNothingOutsideTheTables) {
    EXPECT_EQ(textStrings(cell(kHorseColumn))[2], "テストホース") << "name without blanks";
    EXPECT_TRUE(cell(kHorseColumn, kMaxRunners).empty());
    EXPECT_TRUE(cell(kHorseColumn, kHeaderRunner - 1).empty());
    EXPECT_TRUE(StringGrid4DrawCell(*day_, kMaxRaces, 3, kHorseColumn, kRunBox, kColours, false).empty());
    EXPECT_TRUE(raceCardColumn(*day_, kRace, kSlot, kNumberColumn, kRunBox, false).empty())
        << "the columns from the user's mark on only";
}

TEST_F(RaceCardCell, PrizeColumnCountsJumpEarningsAloneInJumpRaces) {
    TRaceRec& r = rec();
    r.HeichiSyutoku[kSlot] = 1000;
    r.SyogaiSyutoku[kSlot] = 200;
    r.HonSyokinSE[kSlot] = 500;
    r.FukaSyokinSE[kSlot] = 50;
    r.ShibaChaku[kSlot] = {3, 1, 0, 2, 0, 5};
    EXPECT_TRUE(textsOf(cell(kPrizeColumn)).empty()) << "no horse master, no prize lines";

    r.UmLoaded[kSlot] = 1;
    auto texts = textStrings(cell(kPrizeColumn));
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0], "    1200千円");
    EXPECT_EQ(texts[1], "    1750千円");
    EXPECT_EQ(texts[2], " 3- 1- 0- 2");
    r.TrackCd = "51";
    EXPECT_EQ(textStrings(cell(kPrizeColumn))[0], "     200千円");

    r.YozLoaded = 1;
    r.YozOdds[kSlot] = 4.5;
    r.YozRank[kSlot] = 2;
    const auto odds = textsOf(cell(kPrizeColumn)).back();
    EXPECT_EQ(u(odds.text), "  4.5倍　 2人");
    EXPECT_EQ(odds.y, 57);
}

TEST_F(RaceCardCell, UserMarkColumnShowsTheMarkLargeTheNoteMarkerAndTheChosenRow) {
    const CellBox box{33, 69, 1};
    EXPECT_TRUE(textsOf(cell(kUserMarkColumn, kSlot, box)).empty()) << "no mark";

    rec().UserMark[kSlot] = "\x81\x9d"_sjis;  // ◎
    const draw::Ops marked = cell(kUserMarkColumn, kSlot, box);
    const auto glyph = textsOf(marked);
    ASSERT_EQ(glyph.size(), 1u);
    EXPECT_EQ(u(glyph[0].text), "◎");
    EXPECT_EQ(glyph[0].font.size, draw::pointsToPixels(20)) << "a large glyph";
    EXPECT_EQ(glyph[0].x, (box.width - draw::screenMeasure().textWidth(glyph[0].font, glyph[0].text)) / 2) << "centred";
    EXPECT_EQ(opsOf<draw::Fill>(marked)[0].color, draw::kWhite);
    EXPECT_TRUE(hasBottomLine(marked, box));

    rec().HorseNoted[kSlot] = 1;
    const draw::Ops chosen = StringGrid4DrawCell(*day_, kRace, kSlot, kUserMarkColumn, box, kColours, true);
    EXPECT_EQ(opsOf<draw::Fill>(chosen)[0].color, kChosenFill) << "the row the keys mark";
    EXPECT_EQ(textStrings(chosen), (std::vector<std::string>{"◎", "メモ"})) << "the horse has a note";
    EXPECT_EQ(textsOf(chosen)[0].color, draw::kWhite);

    EXPECT_EQ(textStrings(cell(kUserMarkColumn, kHeaderRunner, box))[0], "印");
    EXPECT_EQ(textStrings(cell(kHorseColumn))[2], "テストホース") << "the horse column follows the mark";
}
