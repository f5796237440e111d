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
ShiftJisString countWithMark(int n, const ShiftJisString& mark) {
    return n < 1 ? ShiftJisString(4, ' ') : formatted("%2d", n) + mark;
}

}  // namespace

ShiftJisString raceCourseShort(ShiftJisView raceKey) {
    return ShiftJisString(field(CourseName(RaceKey(raceKey).course(), 2).value_or(ShiftJisString()), 1, 4));
}

ShiftJisString raceNumberText(ShiftJisView raceKey) {
    return formatted("%2dR", lenientInt(RaceKey(raceKey).raceNumber()));
}

namespace {

// "2024年 6月30日": the year, then month and day two wide.
ShiftJisString keyDateText(const RaceKey& key) {
    return ShiftJisString(key.year()) + sjis("年") + formatted("%2d", lenientInt(key.month())) + sjis("月") +
           formatted("%2d", lenientInt(key.day())) + sjis("日");
}

}  // namespace

ShiftJisString raceDateHeaderText(ShiftJisView raceKey) {
    const RaceKey key(raceKey);
    return keyDateText(key) + ShiftJisString(field(CourseName(key.course(), 0).value_or(ShiftJisString()), 1, 4)) +
           ZeroBlank(key.meeting()) + sjis("回") + ZeroBlank(key.meetingDay()) + sjis("日");
}

ShiftJisString raceDatePageText(ShiftJisView raceKey) {
    const RaceKey key(raceKey);
    return keyDateText(key) + raceCourseShort(raceKey) + " " + ShiftJisString(key.meetingDigit()) + sjis("回 ") +
           ShiftJisString(key.meetingDayDigit()) + sjis("日");
}

ShiftJisString dottedDate(ShiftJisView date) {
    return ShiftJisString(field(date, 1, 4)) + "." + ShiftJisString(field(date, 5, 2)) + "." +
           ShiftJisString(field(date, 7, 2));
}

ShiftJisString trackName(ShiftJisView trackCode) {
    static const ShiftJisString turfStraight = sjis("芝直"), turfLeft = sjis("芝左"), turfRight = sjis("芝右"),
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

ShiftJisString undecidedJockeyName() { return sjis("未定"); }

ShiftJisString weatherName(ShiftJisView weatherCode) {
    static const CodeTable<6> weather{{
        {"1", sjis("晴")},
        {"2", sjis("曇")},
        {"3", sjis("雨")},
        {"4", sjis("小雨")},
        {"5", sjis("雪")},
        {"6", sjis("小雪")},
    }};
    const ShiftJisString* name = findCodeText(weather, weatherCode);
    return name ? *name : ShiftJisString();
}

ShiftJisString goingName(ShiftJisView goingCode) {
    static const CodeTable<4> going{{
        {"1", sjis("良")},
        {"2", sjis("稍重")},
        {"3", sjis("重")},
        {"4", sjis("不良")},
    }};
    const ShiftJisString* name = findCodeText(going, goingCode);
    return name ? *name : ShiftJisString();
}

ShiftJisString weatherGoingText(ShiftJisView weatherCode, ShiftJisView goingCode) {
    const ShiftJisString weather = weatherName(weatherCode), going = goingName(goingCode);
    return (weather.empty() ? ShiftJisString(" ") : weather) + " " + (going.empty() ? ShiftJisString(" ") : going);
}

ShiftJisString liveWeatherGoingText(ShiftJisView weatherCode, ShiftJisView turfCode, ShiftJisView dirtCode,
                                    ShiftJisView clock) {
    const ShiftJisString weather = weatherName(weatherCode), turf = goingName(turfCode), dirt = goingName(dirtCode);
    if (weather.empty() && turf.empty() && dirt.empty()) return {};
    ShiftJisString text = weather.empty() ? sjis("－") : weather;
    text += sjis(" 芝:") + (turf.empty() ? sjis("－") : turf);
    text += sjis(" ダ:") + (dirt.empty() ? sjis("－") : dirt);
    if (!clock.empty()) text += " " + ShiftJisString(clock) + sjis("発表");
    return text;
}

ShiftJisString changedMark() { return sjis("(変更)"); }

ShiftJisString oddsAsOfText(ShiftJisView clock) {
    return clock.empty() ? ShiftJisString() : sjis("ｵｯｽﾞ ") + ShiftJisString(clock) + sjis(" 現在");
}

ShiftJisString liveAsOfText(ShiftJisView clock) {
    return clock.empty() ? ShiftJisString() : sjis("速報 ") + ShiftJisString(clock) + sjis(" 現在");
}

ShiftJisString raceClassHeaderText(ShiftJisView conditionCode) {
    static const CodeTable<7> named{{
        {"701", sjis("新馬　　　")},
        {"702", sjis("未出走　　")},
        {"703", sjis("未勝利　　")},
        {"999", sjis("ｵｰﾌﾟﾝ　　 ")},
        {"   ", sjis("　　　　　")},
        {"000", sjis("　　　　　")},
        {"100", sjis("1億円下   ")},
    }};
    static const ShiftJisString below = sjis("万円下");
    // Other codes are prize classes in units of a million yen.
    if (const ShiftJisString* text = findCodeText(named, conditionCode)) return *text;
    return formatted("%4lld", lenientNumber(conditionCode) * 100) + below;
}

ShiftJisString raceClassShortText(ShiftJisView conditionCode) {
    static const CodeTable<4> named{{
        {"701", sjis("新馬")},
        {"702", sjis("未出走")},
        {"703", sjis("未勝利")},
        {"999", sjis("ｵｰﾌﾟﾝ")},
    }};
    static const ShiftJisString blank(" "), below = sjis("下");
    if (const ShiftJisString* text = findCodeText(named, conditionCode)) return *text;
    // Other codes are prize classes in units of a million yen; none (0) shows blank.
    const long long hundreds = lenientNumber(conditionCode) * 100;
    return hundreds == 0 ? blank : formatted("%4lld", hundreds) + below;
}

ShiftJisString gradeText(ShiftJisView code) {
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
    if (const ShiftJisString* text = findCodeText(table, code)) return *text;
    static const ShiftJisString other = sjis("一般競走");
    return other;
}

ShiftJisString finishListText(int position) {
    static const ShiftJisString mark = sjis("着");
    return countWithMark(position, mark);
}

ShiftJisString finishCardText(int position) {
    return position == 0 ? ShiftJisString(2, ' ') : formatted("%2d", position);
}

ShiftJisString popularityListText(int popularity) {
    static const ShiftJisString mark = sjis("人");
    return countWithMark(popularity, mark);
}

ShiftJisString popularityPayoutText(int popularity) {
    return popularity < 1 ? ShiftJisString() : formatted("%2d", popularity);
}

ShiftJisString winOddsListText(double odds) { return odds > 0 ? formatted("%6.1f", odds) : ShiftJisString(6, ' '); }

ShiftJisString winOddsCardText(ShiftJisView oddsTenths) {
    static const ShiftJisString lead = sjis("　"), times = sjis("倍");
    const ShiftJisView odds = trimBlanks(oddsTenths);
    if (odds.empty() || odds == "0000") return ShiftJisString(" ");
    return lead + formatted("%5.1f", static_cast<double>(lenientNumber(odds)) / 10.0) + times;
}

ShiftJisString predictedOddsText(double odds) { return formatted("%5.1f", odds); }

}  // namespace vantor
