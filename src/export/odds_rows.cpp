#include "export/odds_rows.h"

#include "codes/course_names.h"
#include "export/field_values.h"
#include "raceday/predicted_odds.h"
#include "record_layouts/odds_line_layouts.h"

namespace vantor::sqlexport {

std::vector<ColumnDef> oddsColumns() {
    return {{"race_date", SqlType::text},   {"source", SqlType::text},    {"course_code", SqlType::text},
            {"course_name", SqlType::text}, {"kaiji", SqlType::integer},  {"nichiji", SqlType::integer},
            {"racenum", SqlType::integer},  {"umaban", SqlType::integer}, {"odds", SqlType::real},
            {"rank", SqlType::integer}};
}

namespace {

// The day of the meeting: JRDB counts it in one hexadecimal digit (days 10
// to 12 are "a" to "c"), which the .yoz line keeps after a "0".
Value meetingDayValue(SjisView field, bool jrdb) {
    if (jrdb && field.size() == 2 && field[0] == '0') {
        const char digit = field[1];
        if (digit >= 'a' && digit <= 'f') return static_cast<long long>(digit - 'a' + 10);
        if (digit >= 'A' && digit <= 'F') return static_cast<long long>(digit - 'A' + 10);
    }
    return integerValue(field);
}

}  // namespace

void appendOddsRows(SjisView record, TableRows& rows) {
    using namespace yoz;
    const SjisView source = jvdata::get(record, Source);
    const SjisView code = jvdata::get(record, CourseCode);
    // A JRDB record keys the race by JRA racecourse code, a KOL one by the odds service's digit.
    const SjisString course = source == "J" ? CourseName(code, 2).value_or(SjisString()) : KolCourseName(code);
    PerRunner<double> odds{};
    for (int j = 0; j < kMaxRunners; ++j) odds[j] = oddsValue(jvdata::get(record, WinOdds, j + 1));
    const auto ranks = predictedOddsRanks(odds);
    Row key;
    key.reserve(oddsColumns().size());
    key.push_back(dateValue(jvdata::get(record, Date)));
    key.push_back(textValue(source));
    key.push_back(textValue(code));
    key.push_back(textValue(course));
    key.push_back(integerValue(jvdata::get(record, Kaiji)));
    key.push_back(meetingDayValue(jvdata::get(record, Nichiji), source == "J"));
    key.push_back(integerValue(jvdata::get(record, RaceNum)));
    for (int j = 0; j < kMaxRunners; ++j) {
        if (trimBlanks(jvdata::get(record, WinOdds, j + 1)).empty()) continue;
        Row& row = rows.emplace_back(TableId::predictedOdds, key).second;
        row.push_back(static_cast<long long>(j + 1));
        row.push_back(odds[j] > 0 ? Value(odds[j]) : Value());
        row.push_back(ranks[j] > 0 ? Value(static_cast<long long>(ranks[j])) : Value());
    }
}

}  // namespace vantor::sqlexport
