#include "codes/racing_texts.h"

#include <array>
#include <utility>

#include "codes/code_table.h"
#include "codes/course_names.h"
#include "codes/race_key.h"
#include "codes/racing_format.h"
#include "codes/track_surface.h"
#include "text/formatted.h"
#include "text/sjis_literal.h"

namespace vantor {
namespace {

// A count with its mark ("%2d着"), or four blanks below 1.
SjisString countWithMark(int n, const SjisString& mark) {
    return n < 1 ? SjisString(4, ' ') : formatted("%2d", n) + mark;
}

}  // namespace

SjisString raceCourseShort(SjisView raceKey) {
    return SjisString(field(CourseName(RaceKey(raceKey).course(), 2).value_or(SjisString()), 1, 4));
}

SjisString raceNumberText(SjisView raceKey) { return formatted("%2dR", lenientInt(RaceKey(raceKey).raceNumber())); }

namespace {

// "2024年 6月30日": the year, then month and day two wide.
SjisString keyDateText(const RaceKey& key) {
    return SjisString(key.year()) + sjis("年") + formatted("%2d", lenientInt(key.month())) + sjis("月") +
           formatted("%2d", lenientInt(key.day())) + sjis("日");
}

}  // namespace

SjisString raceDateHeaderText(SjisView raceKey) {
    const RaceKey key(raceKey);
    return keyDateText(key) + SjisString(field(CourseName(key.course(), 0).value_or(SjisString()), 1, 4)) +
           ZeroBlank(key.meeting()) + sjis("回") + ZeroBlank(key.meetingDay()) + sjis("日");
}

SjisString raceDatePageText(SjisView raceKey) {
    const RaceKey key(raceKey);
    return keyDateText(key) + raceCourseShort(raceKey) + " " + SjisString(key.meetingDigit()) + sjis("回 ") +
           SjisString(key.meetingDayDigit()) + sjis("日");
}

SjisString dottedDate(SjisView date) {
    return SjisString(field(date, 1, 4)) + "." + SjisString(field(date, 5, 2)) + "." + SjisString(field(date, 7, 2));
}

SjisString trackName(SjisView trackCode) {
    static const SjisString turfStraight = sjis("芝直"), turfLeft = sjis("芝左"), turfRight = sjis("芝右"),
                            dirtLeft = sjis("ﾀﾞ左"), dirtRight = sjis("ﾀﾞ右"), dirtStraight = sjis("ﾀﾞ直"),
                            jump = sjis("障害");
    const int n = lenientInt(trackCode);
    const std::optional<Surface> surface = surfaceOfTrack(n);
    if (surface == Surface::turf) return n == 10 ? turfStraight : n <= 16 ? turfLeft : turfRight;
    if (surface == Surface::jump) return jump;
    if (n == 23) return dirtLeft;
    if (n == 24) return dirtRight;
    if (n == 29) return dirtStraight;
    return {};
}

SjisString undecidedJockeyName() { return sjis("未定"); }

SjisString weatherName(SjisView weatherCode) {
    static const CodeTable<6> weather{{
        {"1", sjis("晴")},
        {"2", sjis("曇")},
        {"3", sjis("雨")},
        {"4", sjis("小雨")},
        {"5", sjis("雪")},
        {"6", sjis("小雪")},
    }};
    const SjisString* name = findCodeText(weather, weatherCode);
    return name ? *name : SjisString();
}

SjisString goingName(SjisView goingCode) {
    static const CodeTable<4> going{{
        {"1", sjis("良")},
        {"2", sjis("稍重")},
        {"3", sjis("重")},
        {"4", sjis("不良")},
    }};
    const SjisString* name = findCodeText(going, goingCode);
    return name ? *name : SjisString();
}

SjisString weatherGoingText(SjisView weatherCode, SjisView goingCode) {
    const SjisString weather = weatherName(weatherCode), going = goingName(goingCode);
    return (weather.empty() ? SjisString(" ") : weather) + " " + (going.empty() ? SjisString(" ") : going);
}

SjisString liveWeatherGoingText(SjisView weatherCode, SjisView turfCode, SjisView dirtCode, SjisView clock) {
    const SjisString weather = weatherName(weatherCode), turf = goingName(turfCode), dirt = goingName(dirtCode);
    if (weather.empty() && turf.empty() && dirt.empty()) return {};
    SjisString text = weather.empty() ? sjis("－") : weather;
    text += sjis(" 芝:") + (turf.empty() ? sjis("－") : turf);
    text += sjis(" ダ:") + (dirt.empty() ? sjis("－") : dirt);
    if (!clock.empty()) text += " " + SjisString(clock) + sjis("発表");
    return text;
}

SjisString changedMark() { return sjis("(変更)"); }

SjisString oddsAsOfText(SjisView clock) {
    return clock.empty() ? SjisString() : sjis("ｵｯｽﾞ ") + SjisString(clock) + sjis(" 現在");
}

SjisString liveAsOfText(SjisView clock) {
    return clock.empty() ? SjisString() : sjis("速報 ") + SjisString(clock) + sjis(" 現在");
}

SjisString raceClassHeaderText(SjisView conditionCode) {
    static const CodeTable<7> named{{
        {"701", sjis("新馬　　　")},
        {"702", sjis("未出走　　")},
        {"703", sjis("未勝利　　")},
        {"999", sjis("ｵｰﾌﾟﾝ　　 ")},
        {"   ", sjis("　　　　　")},
        {"000", sjis("　　　　　")},
        {"100", sjis("1億円下   ")},
    }};
    static const SjisString below = sjis("万円下");
    // Other codes are prize classes in units of a million yen.
    if (const SjisString* text = findCodeText(named, conditionCode)) return *text;
    return formatted("%4lld", lenientNumber(conditionCode) * 100) + below;
}

SjisString raceClassShortText(SjisView conditionCode) {
    static const CodeTable<4> named{{
        {"701", sjis("新馬")},
        {"702", sjis("未出走")},
        {"703", sjis("未勝利")},
        {"999", sjis("ｵｰﾌﾟﾝ")},
    }};
    static const SjisString blank(" "), below = sjis("下");
    if (const SjisString* text = findCodeText(named, conditionCode)) return *text;
    // Other codes are prize classes in units of a million yen; none (0) shows blank.
    const long long hundreds = lenientNumber(conditionCode) * 100;
    return hundreds == 0 ? blank : formatted("%4lld", hundreds) + below;
}

SjisString gradeText(SjisView code) {
    static const CodeTable<8> table{{
        {"A", sjis("G1   ")},
        {"B", sjis("G2   ")},
        {"C", sjis("G3   ")},
        {"D", sjis("重賞 ")},
        {"E", sjis("特別競走 ")},
        {"F", sjis("JG1  ")},
        {"G", sjis("JG2  ")},
        {"H", sjis("JG3  ")},
    }};
    if (const SjisString* text = findCodeText(table, code)) return *text;
    static const SjisString other = sjis("一般競走");
    return other;
}

SjisString finishListText(int position) {
    static const SjisString mark = sjis("着");
    return countWithMark(position, mark);
}

SjisString finishCardText(int position) { return position == 0 ? SjisString(2, ' ') : formatted("%2d", position); }

SjisString popularityListText(int popularity) {
    static const SjisString mark = sjis("人");
    return countWithMark(popularity, mark);
}

SjisString popularityPayoutText(int popularity) { return popularity < 1 ? SjisString() : formatted("%2d", popularity); }

SjisString winOddsListText(double odds) { return odds > 0 ? formatted("%6.1f", odds) : SjisString(6, ' '); }

SjisString winOddsCardText(SjisView oddsTenths) {
    static const SjisString lead = sjis("　"), times = sjis("倍");
    const SjisView odds = trimBlanks(oddsTenths);
    if (odds.empty() || odds == "0000") return SjisString(" ");
    return lead + formatted("%5.1f", static_cast<double>(lenientNumber(odds)) / 10.0) + times;
}

SjisString predictedOddsText(double odds) { return formatted("%5.1f", odds); }

}  // namespace vantor
