#include "output/card_run_texts.h"

#include <array>
#include <utility>

#include "codes/circled_number.h"
#include "codes/course_names.h"
#include "codes/racing_format.h"
#include "output/card_style.h"
#include "text/encoding.h"
#include "text/formatted.h"

namespace vantor::card {
namespace {

SjisString sjis(const char* utf8) { return utf8ToCp932(utf8); }

// The first n characters of text, a double-byte character counting as one.
SjisView firstChars(SjisView text, int n) {
    std::size_t end = 0;
    for (int i = 0; i < n && end < text.size(); ++i)
        end += isSjisLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
    return text.substr(0, end);
}

// The text of code in a table of exact codes; `other` when it has none.
template <std::size_t N>
const SjisString& lookup(const std::array<std::pair<const char*, SjisString>, N>& table, SjisView code,
                         const SjisString& other) {
    for (const auto& [c, text] : table)
        if (code == c) return text;
    return other;
}

SjisString conditionText(SjisView code) {
    static const std::array<std::pair<const char*, SjisString>, 4> named{{
        {"701", sjis("新馬")},
        {"702", sjis("未出走")},
        {"703", sjis("未勝利")},
        {"999", sjis("ｵｰﾌﾟﾝ")},
    }};
    static const SjisString blank = " ", below = sjis("下");
    for (const auto& [c, text] : named)
        if (code == c) return text;
    // Other codes are prize classes in units of a million yen; none (0) shows blank.
    const long long hundreds = lenientNumber(code) * 100;
    return hundreds == 0 ? blank : formatted("%4lld", hundreds) + below;
}

}  // namespace

SjisString runPlaceDate(SjisView runKey) {
    const SjisString course = CourseName(field(runKey, 9, 2), 2).value_or(SjisString());
    SjisString out(field(runKey, 12, 1));
    out += firstChars(course, 2);
    out += field(runKey, 1, 4);
    out += '.';
    out += field(runKey, 5, 2);
    out += '.';
    out += field(runKey, 7, 2);
    return out;
}

SjisString runRaceName(SjisView shortName, SjisView conditionCode) {
    const SjisString name(trimBlanks(RemoveFullWidthBlanks(shortName)));
    return name.empty() ? conditionText(conditionCode) : name;
}

SjisString runFieldText(int heads, int horseNumber, int distance) {
    static const SjisString headsWord = sjis("頭");
    SjisString out = heads < 1 ? SjisString(4, ' ') : formatted("%2d", heads) + headsWord;
    out += CircledNumber(horseNumber);
    out += distance < 1 ? SjisString(4, ' ') : formatted("%4d", distance);
    return out;
}

std::optional<TrackText> trackText(SjisView trackCode) {
    static const SjisString turfStraight = sjis("芝直"), turfLeft = sjis("芝左"), turfRight = sjis("芝右"),
                            dirtLeft = sjis("ﾀﾞ左"), dirtRight = sjis("ﾀﾞ右"), dirtStraight = sjis("ﾀﾞ直"),
                            jump = sjis("障害"), other = "   ";
    if (trimBlanks(trackCode).empty()) return std::nullopt;
    const int code = lenientInt(trackCode);
    const draw::Rgb colour = code >= 10 && code <= 22   ? kTurfGreen
                             : code >= 23 && code <= 29 ? kDirtMaroon
                                                        : draw::kBlack;
    const SjisString& text = code == 10                 ? turfStraight
                             : code >= 11 && code <= 16 ? turfLeft
                             : code >= 17 && code <= 22 ? turfRight
                             : code == 23               ? dirtLeft
                             : code == 24               ? dirtRight
                             : code == 29               ? dirtStraight
                             : code >= 51 && code <= 59 ? jump
                                                        : other;
    return TrackText{text, colour};
}

SjisString weatherGoingText(SjisView weatherCode, SjisView goingCode) {
    static const std::array<std::pair<const char*, SjisString>, 6> weather{{
        {"1", sjis("晴")},
        {"2", sjis("曇")},
        {"3", sjis("雨")},
        {"4", sjis("小雨")},
        {"5", sjis("雪")},
        {"6", sjis("小雪")},
    }};
    static const std::array<std::pair<const char*, SjisString>, 4> going{{
        {"1", sjis("良")},
        {"2", sjis("稍重")},
        {"3", sjis("重")},
        {"4", sjis("不良")},
    }};
    static const SjisString none = " ";
    return lookup(weather, weatherCode, none) + " " + lookup(going, goingCode, none);
}

SjisString runRiderText(SjisView jockey, int weightTenths, int popularity) {
    static const SjisString kg = "kg", rank = sjis("人");
    SjisString out(jockey);
    out += weightTenths < 1 ? SjisString(7, ' ') : " " + formatted("%4.1f", weightTenths / 10.0) + kg;
    out += popularity < 1 ? SjisString(7, ' ') : " " + formatted("%2d", popularity) + rank;
    return out;
}

SjisString cornerText(int position) { return CircledNumber(position); }

SjisString lastFurlongsText(SjisView agari) {
    if (trimBlanks(agari).empty()) return SjisString(agari);
    return " 3F:" + ZeroBlank(agari);
}

SjisString runWeightPrizeText(int bodyWeight, int prizeHundreds) {
    static const SjisString thousandYen = sjis("千円");
    const int thousands = prizeHundreds / 10;
    SjisString out = bodyWeight < 1 ? SjisString(5, ' ') : formatted("%3dkg", bodyWeight);
    out += thousands < 1 ? SjisString(8, ' ') : formatted("%7d", thousands) + thousandYen;
    return out;
}

SjisString finishText(int position) { return position == 0 ? SjisString(2, ' ') : formatted("%2d", position); }

draw::Rgb finishColour(int position) {
    if (position == 1) return draw::kRed;
    if (position == 2 || position == 3) return draw::kBlue;
    return draw::kBlack;
}

SjisString winOddsText(SjisView oddsTenths) {
    static const SjisString lead = sjis("　"), times = sjis("倍");
    const SjisView odds = trimBlanks(oddsTenths);
    if (odds.empty() || odds == "0000") return " ";
    return lead + formatted("%5.1f", static_cast<double>(lenientNumber(odds)) / 10.0) + times;
}

SjisString marginText(SjisView opponent, SjisView timeDiff) { return SjisString(opponent) + FormatTimeDiff(timeDiff); }

}  // namespace vantor::card
