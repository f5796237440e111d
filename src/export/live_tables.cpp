#include "export/live_tables.h"

#include <algorithm>
#include <array>

#include "codes/racing_texts.h"
#include "export/field_values.h"
#include "export/layout_columns.h"
#include "export/live_number_values.h"
#include "record_layouts/jvdata_live_structure.h"
#include "record_layouts/jvdata_record.h"
#include "store/live_record_checks.h"
#include "text/encoding.h"

namespace vantor::sqlexport {
namespace {

using namespace jvdata;

SjisString scratchKindName(SjisView kind) {
    static const SjisString cancelled = utf8ToCp932("出走取消"), excluded = utf8ToCp932("競走除外");
    return kind == "1" ? cancelled : kind == "2" ? excluded : SjisString();
}

SjisString scratchReasonName(SjisView reason) {
    static const std::array<SjisString, 3> names{utf8ToCp932("疾病"), utf8ToCp932("事故"), utf8ToCp932("その他")};
    const int n = isAllDigits(reason) ? lenientInt(reason) : 0;
    return n >= 1 && n <= 3 ? names[static_cast<std::size_t>(n - 1)] : SjisString();
}

// The fields of a race-keyed live record up to its announce time: header,
// race key, HappyoTime.
constexpr std::size_t kRaceHeaderFields = [] {
    const auto at = std::ranges::find(kWhFields, std::string_view("HappyoTime"), &FieldInfo::name);
    return static_cast<std::size_t>(at - kWhFields.begin()) + 1;
}();

constexpr std::array<CodeText, 1> kCourseText{{{"JyoCD", courseName}}};
constexpr std::array<CodeText, 3> kScratchTexts{
    {{"JyoCD", courseName}, {"DataKubun", scratchKindName}, {"JiyuKubun", scratchReasonName}}};
constexpr std::array<CodeText, 3> kCourseChangeTexts{
    {{"JyoCD", courseName}, {"TrackCD", trackName}, {"TrackCDBefore", trackName}}};
constexpr std::array<CodeText, 7> kWeatherTexts{{
    {"JyoCD", courseName},
    {"TenkoCD", weatherName},
    {"SibaBabaCD", goingName},
    {"DirtBabaCD", goingName},
    {"TenkoCDBefore", weatherName},
    {"SibaBabaCDBefore", goingName},
    {"DirtBabaCDBefore", goingName},
}};

constexpr LayoutColumns kRaceHeader{std::span(kWhFields).first(kRaceHeaderFields), kCourseText, true, true};
constexpr LayoutColumns kScratches{kAvFields, kScratchTexts, true, true};
constexpr LayoutColumns kJockeyChanges{kJcFields, kCourseText, true, true};
constexpr LayoutColumns kPostTimeChanges{kTcFields, kCourseText, true, true};
constexpr LayoutColumns kCourseChanges{kCcFields, kCourseChangeTexts, true, true};
constexpr LayoutColumns kWeather{kWeFields, kWeatherTexts, true, true};

// What an odds record's data kind says of its snapshot.
Value snapshotValue(SjisView dataKind) {
    constexpr std::array<std::pair<SjisView, std::string_view>, 7> kinds{{{"1"_sjis, "interim"},
                                                                          {"2"_sjis, "day_before"},
                                                                          {"3"_sjis, "final"},
                                                                          {"4"_sjis, "confirmed"},
                                                                          {"5"_sjis, "confirmed_monday"},
                                                                          {"9"_sjis, "race_cancelled"},
                                                                          {"0"_sjis, "deleted"}}};
    const auto it = std::ranges::find(kinds, dataKind, &std::pair<SjisView, std::string_view>::first);
    return it == kinds.end() ? Value() : Value(std::string(it->second));
}

std::vector<ColumnDef> headerColumns(bool odds) {
    auto columns = columnsOf(kRaceHeader);
    if (odds) columns.push_back({"snapshot", SqlType::text});
    return columns;
}

// A row of the record's header values, with its snapshot kind for odds.
Row headerRow(SjisView record, bool odds) {
    Row row;
    appendValues(kRaceHeader, record, row);
    if (odds) row.push_back(snapshotValue(dataKind(record)));
    return row;
}

std::vector<ColumnDef> liveOddsColumns(std::string_view entry, SqlType entryType,
                                       std::initializer_list<const char*> odds) {
    auto columns = headerColumns(true);
    columns.push_back({std::string(entry), entryType});
    for (const char* name : odds) addLiveNumberColumns(name, SqlType::real, columns);
    addLiveNumberColumns("ninki", SqlType::integer, columns);
    return columns;
}

void appendWeightRows(SjisView record, TableRows& rows) {
    const Row header = headerRow(record, false);
    for (int i = 1; i <= wh::Umaban.count; ++i) {
        const int horse = liveHorseNumber(get(record, wh::Umaban, i));
        if (horse <= 0) continue;
        Row& row = rows.emplace_back(TableId::liveWeights, header).second;
        row.push_back(static_cast<long long>(horse));
        row.push_back(textValue(get(record, wh::Bamei, i)));
        appendLiveNumber(readWeightField(get(record, wh::BaTaijyu, i)), 0, row);
        appendLiveNumber(readWeightChange(get(record, wh::ZogenFugo, i), get(record, wh::ZogenSa, i)), 0, row);
    }
}

// Win and place odds per horse number, bracket quinella odds per pair.
void appendWinPlaceRows(SjisView record, TableId winTable, TableRows& rows) {
    const Row header = headerRow(record, true);
    for (int i = 1; i <= o1::TanUmaban.count; ++i) {
        if (const int horse = liveHorseNumber(get(record, o1::TanUmaban, i)); horse > 0) {
            Row& row = rows.emplace_back(winTable, header).second;
            row.push_back(static_cast<long long>(horse));
            appendLiveNumber(readOddsField(get(record, o1::TanOdds, i)), 1, row);
            appendLiveNumber(readOddsField(get(record, o1::TanNinki, i)), 0, row);
        }
        if (winTable == TableId::liveWinOddsSeries) continue;
        if (const int horse = liveHorseNumber(get(record, o1::FukuUmaban, i)); horse > 0) {
            Row& row = rows.emplace_back(TableId::livePlaceOdds, header).second;
            row.push_back(static_cast<long long>(horse));
            appendLiveNumber(readOddsField(get(record, o1::FukuOddsLow, i)), 1, row);
            appendLiveNumber(readOddsField(get(record, o1::FukuOddsHigh, i)), 1, row);
            appendLiveNumber(readOddsField(get(record, o1::FukuNinki, i)), 0, row);
        }
    }
    if (winTable == TableId::liveWinOddsSeries) return;
    for (int i = 1; i <= o1::WakurenKumi.count; ++i) {
        const SjisView pair = get(record, o1::WakurenKumi, i);
        if (!isAllDigits(pair) || pair.size() != 2 || pair[0] == '0' || pair[1] == '0') continue;
        Row& row = rows.emplace_back(TableId::liveBracketOdds, header).second;
        row.push_back(std::string{pair[0], '-', pair[1]});
        appendLiveNumber(readOddsField(get(record, o1::WakurenOdds, i)), 1, row);
        appendLiveNumber(readOddsField(get(record, o1::WakurenNinki, i)), 0, row);
    }
}

void appendQuinellaRows(SjisView record, TableRows& rows) {
    const Row header = headerRow(record, true);
    for (int i = 1; i <= o2::UmarenKumi.count; ++i) {
        const SjisView pair = get(record, o2::UmarenKumi, i);
        const int first = liveHorseNumber(pair.substr(0, 2)), second = liveHorseNumber(pair.substr(2));
        if (first <= 0 || second <= 0) continue;
        Row& row = rows.emplace_back(TableId::liveQuinellaOdds, header).second;
        row.push_back(std::to_string(first) + "-" + std::to_string(second));
        appendLiveNumber(readOddsField(get(record, o2::UmarenOdds, i)), 1, row);
        appendLiveNumber(readOddsField(get(record, o2::UmarenNinki, i)), 0, row);
    }
}

void appendLayoutRow(const LayoutColumns& layout, TableId table, SjisView record, TableRows& rows) {
    appendValues(layout, record, rows.emplace_back(table, Row()).second);
}

}  // namespace

std::vector<ColumnDef> liveColumns(TableId table) {
    switch (table) {
        case TableId::liveWeights: {
            auto columns = headerColumns(false);
            columns.insert(columns.end(), {{"umaban", SqlType::integer}, {"bamei", SqlType::text}});
            addLiveNumberColumns("bataijyu", SqlType::integer, columns);
            addLiveNumberColumns("zogensa", SqlType::integer, columns);
            return columns;
        }
        case TableId::liveScratches:
            return columnsOf(kScratches);
        case TableId::liveJockeyChanges:
            return columnsOf(kJockeyChanges);
        case TableId::livePostTimeChanges:
            return columnsOf(kPostTimeChanges);
        case TableId::liveCourseChanges:
            return columnsOf(kCourseChanges);
        case TableId::liveWeather:
            return columnsOf(kWeather);
        case TableId::liveWinOdds:
        case TableId::liveWinOddsSeries:
            return liveOddsColumns("umaban", SqlType::integer, {"odds"});
        case TableId::livePlaceOdds:
            return liveOddsColumns("umaban", SqlType::integer, {"odds_low", "odds_high"});
        case TableId::liveBracketOdds:
        case TableId::liveQuinellaOdds:
            return liveOddsColumns("kumi", SqlType::text, {"odds"});
        default:
            return {};
    }
}

void appendLiveRows(SjisView record, bool winOddsSeries, TableRows& rows) {
    const SjisView kind = recordKind(record);
    if (kind == "WH") return appendWeightRows(record, rows);
    if (kind == "AV") return appendLayoutRow(kScratches, TableId::liveScratches, record, rows);
    if (kind == "JC") return appendLayoutRow(kJockeyChanges, TableId::liveJockeyChanges, record, rows);
    if (kind == "TC") return appendLayoutRow(kPostTimeChanges, TableId::livePostTimeChanges, record, rows);
    if (kind == "CC") return appendLayoutRow(kCourseChanges, TableId::liveCourseChanges, record, rows);
    if (kind == "WE") return appendLayoutRow(kWeather, TableId::liveWeather, record, rows);
    if (kind == "O1")
        return appendWinPlaceRows(record, winOddsSeries ? TableId::liveWinOddsSeries : TableId::liveWinOdds, rows);
    if (kind == "O2") return appendQuinellaRows(record, rows);
}

}  // namespace vantor::sqlexport
