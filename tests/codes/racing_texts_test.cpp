#include "codes/racing_texts.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "codes/track_surface.h"
#include "text/encoding.h"

using namespace vantor;

namespace {

std::string u(const SjisString& s) { return cp932ToUtf8(s); }

}  // namespace

TEST(RacingTexts, RaceLabelsAndDatesFromTheRaceKey) {
    EXPECT_EQ(u(raceLabel("2024052605021211")), "東京11R");
    EXPECT_EQ(u(raceLabel("2024052699021201")), " 1R") << "an unknown course has no name";
    EXPECT_EQ(dottedDate("20240526"), "2024.05.26"_sjis);
}

TEST(RacingTexts, TrackNamesAndSurfaces) {
    EXPECT_EQ(u(trackName("10")), "芝直");
    EXPECT_EQ(u(trackName("17")), "芝右");
    EXPECT_EQ(u(trackName("29")), "ﾀﾞ直");
    EXPECT_EQ(u(trackName("55")), "障害");
    EXPECT_EQ(trackName("26"), ""_sjis);
    EXPECT_EQ(trackName("  "), ""_sjis);
}

// Each bound of the three surfaces, from both sides, and the codes of none.
TEST(RacingTexts, TrackSurfacesOfJvDataTrackCodes) {
    const std::pair<const char*, std::optional<Surface>> cases[] = {
        {"10", Surface::turf}, {"22", Surface::turf}, {"23", Surface::dirt}, {"29", Surface::dirt},
        {"51", Surface::jump}, {"59", Surface::jump}, {"09", std::nullopt},  {"30", std::nullopt},
        {"50", std::nullopt},  {"60", std::nullopt},  {"  ", std::nullopt},  {"5x", std::nullopt}};
    for (const auto& [code, surface] : cases) EXPECT_EQ(surfaceOfTrack(sjisBytes(code)), surface) << code;
}

TEST(RacingTexts, WeatherAndGoingShowABlankForAnUnknownCode) {
    EXPECT_EQ(u(weatherGoingText("4", "4")), "小雨 不良");
    EXPECT_EQ(u(weatherGoingText("1", "2")), "晴 稍重");
    EXPECT_EQ(weatherGoingText("7", ""_sjis), "   "_sjis);
}

TEST(RacingTexts, RaceClassInTheHeaderAndTheShortForm) {
    EXPECT_EQ(u(raceClassHeaderText("703")), "未勝利　　");
    EXPECT_EQ(u(raceClassHeaderText("000")), "　　　　　");
    EXPECT_EQ(u(raceClassHeaderText("100")), "1億円下   ");
    EXPECT_EQ(u(raceClassHeaderText("016")), "1600万円下");
    EXPECT_EQ(u(raceClassShortText("701")), "新馬");
    EXPECT_EQ(u(raceClassShortText("005")), " 500下");
    EXPECT_EQ(raceClassShortText("000"), " "_sjis);
}

TEST(RacingTexts, ListAndCardFormsOfPositionPopularityAndOdds) {
    EXPECT_EQ(u(finishListText(3)), " 3着");
    EXPECT_EQ(finishListText(0), "    "_sjis);
    EXPECT_EQ(finishCardText(12), "12"_sjis);
    EXPECT_EQ(finishCardText(0), "  "_sjis);
    EXPECT_EQ(u(popularityListText(1)), " 1人");
    EXPECT_EQ(popularityListText(-1), "    "_sjis);
    EXPECT_EQ(popularityPayoutText(7), " 7"_sjis);
    EXPECT_EQ(popularityPayoutText(0), ""_sjis);
    EXPECT_EQ(winOddsListText(12.3), "  12.3"_sjis);
    EXPECT_EQ(winOddsListText(0), "      "_sjis);
    EXPECT_EQ(u(winOddsCardText("0123")), "　 12.3倍");
    EXPECT_EQ(u(winOddsCardText("9999")), "　999.9倍");
    EXPECT_EQ(winOddsCardText("0000"), " "_sjis);
    EXPECT_EQ(winOddsCardText("    "), " "_sjis);
    EXPECT_EQ(predictedOddsText(3.5), "  3.5"_sjis);
}
