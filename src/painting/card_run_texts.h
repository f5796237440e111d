#pragma once
// The texts of a run on the race card (the race itself or one of the
// runner's last five runs), line by line as the run columns show them.

#include <optional>

#include "painting/draw_ops.h"
#include "text/sjis.h"

namespace vantor::card {

// Last digit of the meeting number, the racecourse's first two characters
// and the date: "2東京2024.05.26".
SjisString runPlaceDate(SjisView runKey);
// The race's short name when it has one, else its condition: "新馬",
// "未出走", "未勝利", "ｵｰﾌﾟﾝ", a prize class such as " 500下", or " ".
SjisString runRaceName(SjisView shortName, SjisView conditionCode);

// Head count, horse number and distance: "16頭⑤2400"; blanks where unknown.
SjisString runFieldText(int heads, int horseNumber, int distance);
// The surface and direction of a track code, in its surface's colour
// ("   " for a code without a name); nothing for a blank code.
struct TrackText {
    SjisString text;
    draw::Rgb colour;
};
std::optional<TrackText> trackText(SjisView trackCode);
// Jockey, carried weight and popularity: "武豊    57.0kg  1人".
SjisString runRiderText(SjisView jockey, int weightTenths, int popularity);

// A position at a corner: circled, "－" when unknown.
SjisString cornerText(int position);
// The last three furlongs: " 3F:345", or the field's blanks.
SjisString lastFurlongsText(SjisView agari);

// Body weight and prize money (hundreds of yen, shown in thousands):
// "480kg   1500千円"; blanks where unknown.
SjisString runWeightPrizeText(int bodyWeight, int prizeHundreds);
// The colour of a finishing position: red for a win, blue for second and
// third, black otherwise.
draw::Rgb finishColour(int position);

// The horse it finished against and the time difference to it.
SjisString marginText(SjisView opponent, SjisView timeDiff);

}  // namespace vantor::card
