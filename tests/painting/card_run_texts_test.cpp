#include "painting/card_run_texts.h"

#include <gtest/gtest.h>

#include "text/encoding.h"

using namespace vantor;
using namespace vantor::card;

namespace {

std::string u(const SjisString& s) { return cp932ToUtf8(s); }

}  // namespace

TEST(CardRunTexts, RaceNameFallsBackToTheConditionAndANoneConditionIsBlank) {
    EXPECT_EQ(u(runRaceName(utf8ToCp932("ダービ"), "005")), "ダービ");
    EXPECT_EQ(u(runRaceName(utf8ToCp932("　　　"), "701")), "新馬") << "a name of full-width blanks is none";
    EXPECT_EQ(u(runRaceName("", "702")), "未出走");
    EXPECT_EQ(u(runRaceName("", "703")), "未勝利");
    EXPECT_EQ(u(runRaceName("", "999")), "ｵｰﾌﾟﾝ");
    EXPECT_EQ(u(runRaceName("", "005")), " 500下");
    EXPECT_EQ(u(runRaceName("", "016")), "1600下");
    EXPECT_EQ(runRaceName("", "000"), " "_sjis);
    EXPECT_EQ(runRaceName("", "   "), " "_sjis);
}

TEST(CardRunTexts, PlaceAndDateUseTheMeetingDigitAndTwoCharactersOfTheCourse) {
    EXPECT_EQ(u(runPlaceDate("2024042805021211")), "2東京2024.04.28");
    EXPECT_EQ(u(runPlaceDate("2023100144031201")), "3大井2023.10.01");
    EXPECT_EQ(u(runPlaceDate("2023100199031201")), "32023.10.01") << "an unknown course has no name";
}

TEST(CardRunTexts, TrackTextsAndTheirSurfaceColours) {
    const draw::Rgb green{0, 0x80, 0}, maroon{0x80, 0, 0};
    const struct {
        const char* code;
        const char* text;
        draw::Rgb colour;
    } cases[] = {{"10", "芝直", green},      {"16", "芝左", green},        {"22", "芝右", green},
                 {"23", "ﾀﾞ左", maroon},     {"24", "ﾀﾞ右", maroon},       {"29", "ﾀﾞ直", maroon},
                 {"26", "   ", maroon},      {"51", "障害", draw::kBlack}, {"59", "障害", draw::kBlack},
                 {"00", "   ", draw::kBlack}};
    for (const auto& c : cases) {
        const auto track = trackText(sjisBytes(c.code));
        ASSERT_TRUE(track) << c.code;
        EXPECT_EQ(u(track->text), c.text) << c.code;
        EXPECT_EQ(track->colour, c.colour) << c.code;
    }
    EXPECT_FALSE(trackText("  "));
    EXPECT_FALSE(trackText(""));
}

TEST(CardRunTexts, UnknownNumbersBecomeBlanksOfTheirWidth) {
    EXPECT_EQ(u(runFieldText(0, 0, 0)), "    －    ");
    EXPECT_EQ(u(runFieldText(8, 19, 1000)), " 8頭－1000");
    EXPECT_EQ(runRiderText("ABC     ", 0, 0), "ABC"_sjis + SjisString(5 + 7 + 7, ' '));
    EXPECT_EQ(u(runWeightPrizeText(0, 0)), std::string(13, ' '));
    EXPECT_EQ(lastFurlongsText("   "), "   "_sjis);
    EXPECT_EQ(lastFurlongsText("035"), " 3F: 35"_sjis);
    EXPECT_EQ(u(cornerText(0)), "－");
}

TEST(CardRunTexts, PrizeMoneyInHundredsOfYenIsShownInThousands) {
    EXPECT_EQ(u(runWeightPrizeText(452, 123450)), "452kg  12345千円");
    EXPECT_EQ(runWeightPrizeText(452, 9), "452kg"_sjis + SjisString(8, ' ')) << "below a thousand yen shows blank";
}
