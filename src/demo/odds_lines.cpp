#include "demo/odds_lines.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "text/formatted.h"

namespace vantor::demo {
namespace {

std::string number(int value, int width) { return formatted("%0*d", width, value); }

std::string hexDigit(int value) { return std::string(1, "0123456789abcdef"[value & 0xF]); }

// JRDB: a decimal in five characters, blanks for none.
std::string jrdbOdds(int tenths) {
    if (tenths <= 0) return std::string(5, ' ');
    const double odds = tenths / 10.0;
    return odds < 1000 ? formatted("%5.1f", odds) : formatted("%5.0f", std::min(odds, 99999.0));
}

// KOL: whole tenths right-aligned, "*" undecided, "-" none.
std::string kolOdds(int tenths, int width) {
    std::string text = tenths == kUndecided ? "*" : tenths == kNoRunner ? "-" : std::to_string(tenths);
    return padLeft(text, static_cast<std::size_t>(width));
}

void appendJrdb(std::string& line, std::span<const int> odds) {
    for (int t : odds) line += jrdbOdds(t);
}

void appendKol(std::string& line, std::span<const int> odds, int width) {
    for (int t : odds) line += kolOdds(t, width);
}

// The service's racecourse number of a JRA racecourse code (1-10).
int kolCourse(int jraCourse) {
    constexpr int kNumbers[] = {8, 9, 6, 7, 4, 5, 2, 0, 1, 3};
    return kNumbers[jraCourse - 1];
}

int courseCode(const Race& race) { return (race.course[0] - '0') * 10 + (race.course[1] - '0'); }

}  // namespace

std::string jrdbOddsLine(const Race& race, const OddsBook& book) {
    std::string line(race.course.data(), 2);
    line += number(race.date / 10000 % 100, 2);
    line += hexDigit(race.kaiji) + hexDigit(race.nichiji);
    line += number(race.raceNum, 2) + number(book.runners, 2);
    appendJrdb(line, book.win);
    appendJrdb(line, book.place);
    appendJrdb(line, book.quinella);
    return line + "\r\n";
}

std::string kolOddsLine(const Race& race, const OddsBook& book) {
    std::string line = number(kolCourse(courseCode(race)), 2) + std::string(4, ' ');
    line += number(race.kaiji, 2) + number(race.nichiji, 2) + number(race.raceNum, 2);
    line += number(race.date, 8);
    line += padRight(cutAtCharBoundary(race.name, 60), 60) + std::string(29, ' ');
    line += number(book.runners, 2) + std::string(50, ' ');
    appendKol(line, book.win, 5);
    appendKol(line, book.bracket, 5);
    appendKol(line, book.quinella, 7);
    return line + "\r\n";
}

}  // namespace vantor::demo
