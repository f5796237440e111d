#include "demo/odds_lines.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "record_layouts/jvdata_record.h"
#include "record_layouts/odds_line_layouts.h"
#include "text/formatted.h"

namespace vantor::demo {
namespace {

using jvdata::RecordBuilder;

// JRDB: a decimal in five characters, blanks for none.
SjisString jrdbOdds(int tenths) {
    if (tenths <= 0) return SjisString(5, ' ');
    const double odds = tenths / 10.0;
    return odds < 1000 ? formatted("%5.1f", odds) : formatted("%5.0f", std::min(odds, 99999.0));
}

// KOL: whole tenths right-aligned, "*" undecided, "-" none.
SjisString kolOdds(int tenths, std::size_t width) {
    const SjisString text = tenths == kUndecided  ? SjisString("*")
                            : tenths == kNoRunner ? SjisString("-")
                                                  : formatted("%d", tenths);
    return padLeft(text, width);
}

void putJrdb(RecordBuilder& b, jvdata::Field f, std::span<const int> odds) {
    for (std::size_t i = 0; i < odds.size(); ++i) b.text(f, jrdbOdds(odds[i]), static_cast<int>(i) + 1);
}

void putKol(RecordBuilder& b, jvdata::Field f, std::span<const int> odds) {
    for (std::size_t i = 0; i < odds.size(); ++i) b.text(f, kolOdds(odds[i], f.len), static_cast<int>(i) + 1);
}

// The service's racecourse number of a JRA racecourse code (1-10).
int kolCourse(int jraCourse) {
    constexpr int kNumbers[] = {8, 9, 6, 7, 4, 5, 2, 0, 1, 3};
    return kNumbers[jraCourse - 1];
}

int courseCode(const Race& race) { return (race.course[0] - '0') * 10 + (race.course[1] - '0'); }

}  // namespace

SjisString jrdbOddsLine(const Race& race, const OddsBook& book) {
    static constexpr char kHex[] = "0123456789abcdef";
    RecordBuilder b(kJrdbOddsLayout);
    b.text(jrdb::JyoCD, sjisBytes(std::string_view(race.course.data(), 2))).number(jrdb::Year, race.date / 10000 % 100);
    b.text(jrdb::Kaiji, sjisBytes(std::string_view(&kHex[race.kaiji & 0xF], 1)))
        .text(jrdb::Nichiji, sjisBytes(std::string_view(&kHex[race.nichiji & 0xF], 1)));
    b.number(jrdb::RaceNum, race.raceNum).number(jrdb::Runners, book.runners);
    putJrdb(b, jrdb::WinOdds, book.win);
    putJrdb(b, jrdb::PlaceOdds, book.place);
    putJrdb(b, jrdb::QuinellaOdds, book.quinella);
    return b.take();
}

SjisString kolOddsLine(const Race& race, const OddsBook& book) {
    RecordBuilder b(kKolOddsLayout);
    b.number(kol::Course, kolCourse(courseCode(race)));
    b.number(kol::Kaiji, race.kaiji).number(kol::Nichiji, race.nichiji).number(kol::RaceNum, race.raceNum);
    b.number(kol::Date, race.date).text(kol::RaceName, race.name).number(kol::Runners, book.runners);
    putKol(b, kol::WinOdds, book.win);
    putKol(b, kol::BracketOdds, book.bracket);
    putKol(b, kol::QuinellaOdds, book.quinella);
    return b.take();
}

}  // namespace vantor::demo
