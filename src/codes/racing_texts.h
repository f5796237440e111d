#pragma once
// The texts of racing values that the race card, the day-wide lists and
// the printed pages show: race labels, track, weather and going, race
// class, finishing position, popularity and odds. Where two views show a
// value differently, each form has its own function, named after the view.

#include "text/sjis.h"

namespace vantor {

// The racecourse of a race key, two full-width characters (4 bytes).
SjisString raceCourseShort(SjisView raceKey);
// The race number of a race key as "%2dR".
SjisString raceNumberText(SjisView raceKey);
// Racecourse and race number, "東京11R".
inline SjisString raceLabel(SjisView raceKey) { return raceCourseShort(raceKey) + raceNumberText(raceKey); }
// The day and meeting of a race key as the race header shows them:
// "2024年 6月30日東京3回8日" (the course in its heading form cut to 4 bytes).
SjisString raceDateHeaderText(SjisView raceKey);
// The same as the printed pages show them: "2024年 6月30日東京 3回 8日".
SjisString raceDatePageText(SjisView raceKey);
// A "YYYYMMDD" date as "YYYY.MM.DD".
SjisString dottedDate(SjisView date);

// The surface and direction of a track code ("芝左", "ﾀﾞ直", "障害"); empty
// for a code without a name.
SjisString trackName(SjisView trackCode);

// Weather and going: "晴 良"; a code without a name shows one blank.
SjisString weatherGoingText(SjisView weatherCode, SjisView goingCode);
// The names of a weather code ("晴", "小雨") and of a going code ("良",
// "稍重"); empty for a code without a name.
SjisString weatherName(SjisView weatherCode);
SjisString goingName(SjisView goingCode);
// The weather and going of a racecourse as announced on the race day, for
// the race header: "晴 芝:良 ダ:稍重", then " 10:15発表" when the clock
// "hh:mm" of the announcement is given; empty when no code has a name.
SjisString liveWeatherGoingText(SjisView weatherCode, SjisView turfCode, SjisView dirtCode, SjisView clock);
// The mark of a value the race day changed (post time, distance, track): "(変更)".
SjisString changedMark();
// The time of the odds shown, from its clock "hh:mm": "ｵｯｽﾞ 10:30 現在";
// empty for no clock.
SjisString oddsAsOfText(SjisView clock);
// The time of the latest announcement a printed card shows: "速報 10:42 現在";
// empty for no clock.
SjisString liveAsOfText(SjisView clock);
// The jockey name a jockey change carries while the new rider is not
// decided yet: "未定".
SjisString undecidedJockeyName();

// A race condition code in the race header's ten-byte form: "新馬　　　",
// " 500万円下".
SjisString raceClassHeaderText(SjisView conditionCode);
// A race condition code in a run's short form: "新馬", " 500下", or " ".
SjisString raceClassShortText(SjisView conditionCode);

// The grade code in the race header's form: "G1   ", "重賞 ", "一般競走" for
// a code without a grade.
SjisString gradeText(SjisView gradeCode);

// Finishing position in the lists' form: "%2d着", or four blanks below 1.
SjisString finishListText(int position);
// Finishing position in the card's run form: "%2d", or two blanks for none (0).
SjisString finishCardText(int position);

// Popularity in the lists' form: "%2d人", or four blanks below 1.
SjisString popularityListText(int popularity);
// Popularity in the payout labels' form: "%2d", or nothing below 1.
SjisString popularityPayoutText(int popularity);

// Final win odds in the lists' form: "%6.1f", or six blanks at 0 and below.
SjisString winOddsListText(double odds);
// Final win odds (tenths, as delivered) in the card's run form: "　 12.3倍",
// or " " when there are none.
SjisString winOddsCardText(SjisView oddsTenths);
// Predicted win odds on the number-sign grid: "%5.1f".
SjisString predictedOddsText(double odds);

}  // namespace vantor
