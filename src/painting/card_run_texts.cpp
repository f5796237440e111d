#include "painting/card_run_texts.h"

#include "codes/circled_number.h"
#include "codes/course_names.h"
#include "codes/race_key.h"
#include "codes/racing_format.h"
#include "codes/racing_texts.h"
#include "codes/track_surface.h"
#include "painting/card_style.h"
#include "text/formatted.h"
#include "text/sjis_literal.h"

namespace vantor::card {
namespace {

// The first n characters of text, a double-byte character counting as one.
SjisView firstChars(SjisView text, int n) {
    std::size_t end = 0;
    for (int i = 0; i < n && end < text.size(); ++i)
        end += isSjisLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
    return text.substr(0, end);
}

}  // namespace

SjisString runPlaceDate(SjisView runKey) {
    const RaceKey key(runKey);
    const SjisString course = CourseName(key.course(), 2).value_or(SjisString());
    SjisString out(key.meetingDigit());
    out += firstChars(course, 2);
    out += key.year();
    out += '.';
    out += key.month();
    out += '.';
    out += key.day();
    return out;
}

SjisString runRaceName(SjisView shortName, SjisView conditionCode) {
    const SjisString name(trimBlanks(RemoveFullWidthBlanks(shortName)));
    return name.empty() ? raceClassShortText(conditionCode) : name;
}

SjisString runFieldText(int heads, int horseNumber, int distance) {
    static const SjisString headsWord = sjis("頭");
    SjisString out = heads < 1 ? SjisString(4, ' ') : formatted("%2d", heads) + headsWord;
    out += CircledNumber(horseNumber);
    out += distance < 1 ? SjisString(4, ' ') : formatted("%4d", distance);
    return out;
}

std::optional<TrackText> trackText(SjisView trackCode) {
    if (trimBlanks(trackCode).empty()) return std::nullopt;
    const SjisString name = trackName(trackCode);
    const std::optional<Surface> surface = surfaceOfTrack(trackCode);
    const draw::Rgb colour = surface == Surface::turf   ? kTurfGreen
                             : surface == Surface::dirt ? kDirtMaroon
                                                        : draw::kBlack;
    return TrackText{name.empty() ? SjisString(3, ' ') : name, colour};
}

SjisString runRiderText(SjisView jockey, int weightTenths, int popularity) {
    static const SjisString kg("kg");
    SjisString out(jockey);
    out += weightTenths < 1 ? SjisString(7, ' ') : " " + formatted("%4.1f", weightTenths / 10.0) + kg;
    out += popularity < 1 ? SjisString(7, ' ') : " " + popularityListText(popularity);
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

draw::Rgb finishColour(int position) {
    if (position == 1) return draw::kRed;
    if (position == 2 || position == 3) return draw::kBlue;
    return draw::kBlack;
}

SjisString marginText(SjisView opponent, SjisView timeDiff) { return SjisString(opponent) + FormatTimeDiff(timeDiff); }

}  // namespace vantor::card
