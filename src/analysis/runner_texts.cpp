#include "analysis/runner_texts.h"

#include "codes/horse_codes.h"
#include "codes/racing_format.h"
#include "codes/track_surface.h"
#include "text/formatted.h"
#include "text/sjis_literal.h"

namespace vantor::card {
namespace {

SjisString thousandsOfYen(i32 amount) {
    static const SjisString unit = sjis("千円");
    return formatted("%8d", amount) + unit;
}

}  // namespace

SjisString cleanName(SjisView name) { return SjisString(trimBlanks(RemoveFullWidthBlanks(name))); }

SjisString cardShortName(SjisView name, std::size_t bytes) { return cleanName(cutAtCharBoundary(name, bytes)); }

SjisString markShortName(SjisView name) {
    return SjisString(cutAtCharBoundary(RemoveFullWidthBlanks(trimBlanks(name)), 6));
}

SjisString carriedWeightText(SjisView futan) { return formatted("%4.1fkg", lenientInt(futan) / 10.0); }

SjisString carriedWeightGridText(SjisView futan) {
    if (trimBlanks(futan).empty()) return {};
    return SjisString(field(futan, 1, 2)) + "." + SjisString(field(futan, 3, 1)) + "kg";
}

SjisString sexAgeText(const TRaceRec& race, int runner) { return SexName(race.SexCd[runner]) + ZeroBlank(race.Barei[runner]); }

SjisString profileText(const TRaceRec& race, int runner) {
    static const std::array<SjisString, 12> coats{
        SjisString("    "), sjis("栗  "), sjis("栃栗"), sjis("鹿  "), sjis("黒鹿"), sjis("青鹿"),
        sjis("青  "), sjis("芦  "), sjis("栗粕"), sjis("鹿粕"), sjis("青粕"), sjis("白  "),
    };
    const int age = lenientInt(race.Barei[runner]);
    const int coat = lenientInt(race.KeiroCd[runner]);
    return SexName(race.SexCd[runner]) + (age == 0 ? SjisString(2, ' ') : padLeft(formatted("%d", age), 2)) +
           coats[coat >= 1 && coat <= 11 ? static_cast<std::size_t>(coat) : 0];
}

SjisString originText(const TRaceRec& race, int runner) {
    static const SjisString born = sjis("生");
    SjisString symbol = UmaKigoName(race.UmaKigoCd[runner]);
    // A horse without a symbol gets blanks as wide as a mark.
    if (trimBlanks(RemoveFullWidthBlanks(symbol)).empty()) symbol = SjisString("    ");
    SjisString out = symbol + SjisString(cutAtCharBoundary(race.SanchiName[runner], 8));
    const SjisView birth = race.BirthDate[runner];
    if (!trimBlanks(field(birth, 1, 4)).empty()) {
        out += ' ';
        out += field(birth, 1, 4);
        out += '.';
        out += field(birth, 5, 2);
        out += '.';
        out += field(birth, 7, 2);
        out += born;
    }
    return out;
}

SjisString earnedPrizeText(const TRaceRec& race, int runner) {
    const i32 flat = race.HeichiSyutoku[runner], jump = race.SyogaiSyutoku[runner];
    return thousandsOfYen(surfaceOfTrack(race.TrackCd.view()) == Surface::jump ? jump : flat + jump);
}

SjisString totalPrizeText(const TRaceRec& race, int runner) {
    return thousandsOfYen(race.HonSyokinSE[runner] + race.FukaSyokinSE[runner] + race.HeichiSyutoku[runner] +
                          race.SyogaiSyutoku[runner]);
}

SjisString placingsText(const std::array<i32, kFinishClasses>& counts) {
    return formatted("%2d-%2d-%2d-%2d", counts[0], counts[1], counts[2], counts[3]);
}

SjisString predictedOddsRankText(const TRaceRec& race, int runner) {
    static const SjisString times = sjis("倍"), rank = sjis("人"), blank = sjis("　");
    return formatted("%5.1f", race.YozOdds[runner]) + times + blank + formatted("%2d", race.YozRank[runner]) + rank;
}

}  // namespace vantor::card
