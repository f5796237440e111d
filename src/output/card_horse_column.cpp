// The race card's horse column: pedigree, profile, name, owner and breeder.

#include "codes/horse_codes.h"
#include "codes/racing_format.h"
#include "output/card_columns.h"
#include "text/sjis_literal.h"

namespace vantor::card {
namespace {

// A name as the card shows it: without full-width blanks or padding.
SjisString cleanName(SjisView name) { return SjisString(trimBlanks(RemoveFullWidthBlanks(name))); }

// The first bytes of a long name (never half a character), cleaned.
SjisString shortName(SjisView name, std::size_t bytes) { return cleanName(cutAtCharBoundary(name, bytes)); }

// Sex, age two wide and coat: "牡 4鹿  ".
SjisString profileText(const TRaceRec& race, int runner) {
    static const std::array<SjisString, 12> coats{
        "    ",       sjis("栗  "), sjis("栃栗"), sjis("鹿  "), sjis("黒鹿"), sjis("青鹿"),
        sjis("青  "), sjis("芦  "), sjis("栗粕"), sjis("鹿粕"), sjis("青粕"), sjis("白  "),
    };
    const int age = lenientInt(race.Barei[runner]);
    const int coat = lenientInt(race.KeiroCd[runner]);
    return SexName(race.SexCd[runner]) + (age == 0 ? SjisString(2, ' ') : padLeft(std::to_string(age), 2)) +
           coats[coat >= 1 && coat <= 11 ? static_cast<std::size_t>(coat) : 0];
}

// Horse symbol, birthplace and birth date: "(父)日高    2020.04.01生".
SjisString originText(const TRaceRec& race, int runner) {
    static const SjisString born = sjis("生");
    SjisString symbol = UmaKigoName(race.UmaKigoCd[runner]);
    // A horse without a symbol gets blanks as wide as a mark.
    if (trimBlanks(RemoveFullWidthBlanks(symbol)).empty()) symbol = "    ";
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

}  // namespace

draw::Ops horseCell(const TRaceRec& race, int runner, const CellBox& box) {
    draw::CellCanvas c = cardCanvas(box);
    c.fill(draw::kWhite);
    c.setPoints(8);
    int y = box.y0();
    c.textOut(box.x0(), y, cleanName(race.Ketto1Name[runner]));
    c.textOut(box.width - 60, y, profileText(race, runner));
    y += c.lastHeight() + 2;
    c.textOut(box.x0(), y, originText(race, runner));
    y += c.lastHeight();
    c.setPoints(11);
    c.setBold(true);
    c.textOut(box.x0(), y, cleanName(race.Bamei[runner]));
    y += c.lastHeight();
    c.setPoints(8);
    c.setBold(false);
    c.textOut(box.x0(), y, cleanName(race.Ketto2Name[runner]));
    c.textOut(box.width - 100, y, shortName(race.BanusiName[runner], 16));
    y += c.lastHeight();
    c.textOut(box.x0(), y, cleanName(race.Ketto3Name[runner]));
    c.textOut(box.width - 100, y, shortName(race.BreederName[runner], 16));
    c.bottomLine();
    return c.take();
}

}  // namespace vantor::card
