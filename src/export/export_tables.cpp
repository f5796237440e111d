#include "export/export_tables.h"

#include <array>

#include "codes/course_names.h"
#include "codes/horse_codes.h"
#include "codes/race_key.h"
#include "codes/racing_texts.h"
#include "export/field_values.h"
#include "export/layout_columns.h"
#include "export/live_tables.h"
#include "export/odds_rows.h"
#include "export/payout_rows.h"
#include "record_layouts/jvdata_structure.h"

namespace vantor::sqlexport {
namespace {

constexpr std::array<CodeText, 1> kCourseText{{{"JyoCD", courseName}}};
constexpr std::array<CodeText, 7> kRaceTexts{{
    {"JyoCD", courseName},
    {"GradeCD", gradeText},
    {"JyokenCD", raceClassShortText},
    {"TrackCD", trackName},
    {"TenkoCD", weatherName},
    {"SibaBabaCD", goingName},
    {"DirtBabaCD", goingName},
}};
constexpr std::array<CodeText, 3> kRunnerTexts{{{"JyoCD", courseName}, {"SexCD", SexName}, {"KeiroCD", KeiroName}}};
constexpr std::array<CodeText, 2> kHorseTexts{{{"SexCD", SexName}, {"KeiroCD", KeiroName}}};

constexpr LayoutColumns kRaceKey{jvdata::kRaceKeyFields, kCourseText, true};
constexpr LayoutColumns kRaces{jvdata::kRaFields, kRaceTexts, true};
constexpr LayoutColumns kRunners{jvdata::kSeFields, kRunnerTexts, true};
constexpr LayoutColumns kHorses{jvdata::kUmFields, kHorseTexts, false};

const std::vector<std::string> kRaceKeyNames{"race_date", "jyocd", "kaiji", "nichiji", "racenum"};

std::vector<std::string> raceKeyAnd(std::initializer_list<std::string> more) {
    auto names = kRaceKeyNames;
    names.insert(names.end(), more);
    return names;
}

TableDef table(TableId id, std::string name, std::vector<ColumnDef> columns, std::vector<std::string> key,
               std::vector<std::string> indexed, bool raceDays = true) {
    columns.push_back({"store_file", SqlType::text});
    indexed.push_back("store_file");
    return {id, std::move(name), std::move(columns), std::move(key), std::move(indexed), raceDays};
}

// A live table keyed by its store file and the record's line in it, and
// the entry of a per-horse or per-pair row.
TableDef liveTable(TableId id, std::string name, std::initializer_list<std::string> entry = {}) {
    auto columns = liveColumns(id);
    columns.push_back({"line", SqlType::integer});
    std::vector<std::string> key{"store_file", "line"};
    key.insert(key.end(), entry);
    return table(id, std::move(name), std::move(columns), std::move(key), {"race_date"});
}

std::vector<ColumnDef> markColumns() {
    auto columns = raceKeyColumns();
    columns.insert(columns.end(),
                   {{"umaban", SqlType::integer}, {"mark_set", SqlType::integer}, {"mark", SqlType::text}});
    return columns;
}

}  // namespace

SjisString courseName(SjisView code) { return CourseName(code, 2).value_or(SjisString()); }

std::vector<ColumnDef> raceKeyColumns() { return columnsOf(kRaceKey); }
void appendRaceKey(SjisView record, Row& row) { appendValues(kRaceKey, record, row); }

void appendRaceKeyOf(SjisView raceKey, Row& row) {
    const RaceKey key(raceKey);
    row.push_back(dateValue(key.date()));
    const SjisView course = key.course();
    row.push_back(textValue(course));
    row.push_back(trimBlanks(course).empty() ? Value() : textValue(courseName(course)));
    for (const SjisView number : {key.meeting(), key.meetingDay(), key.raceNumber()})
        row.push_back(integerValue(number));
}
void appendRaceValues(SjisView record, Row& row) { appendValues(kRaces, record, row); }
void appendRunnerValues(SjisView record, Row& row) { appendValues(kRunners, record, row); }
void appendHorseValues(SjisView record, Row& row) { appendValues(kHorses, record, row); }

const std::vector<TableDef>& exportTables() {
    static const std::vector<TableDef> tables{
        table(TableId::races, "races", columnsOf(kRaces), kRaceKeyNames, {"race_date"}),
        table(TableId::runners, "runners", columnsOf(kRunners), raceKeyAnd({"umaban"}),
              {"kettonum", "chokyosicode", "kisyucode"}),
        table(TableId::payouts, "payouts", payoutColumns(), raceKeyAnd({"bet", "slot"}), {}),
        table(TableId::horses, "horses", columnsOf(kHorses), {"kettonum"}, {"hansyokunum_1"}, false),
        table(TableId::predictedOdds, "predicted_odds", oddsColumns(),
              {"race_date", "course_code", "kaiji", "nichiji", "racenum", "umaban"}, {}),
        liveTable(TableId::liveWeights, "live_weights", {"umaban"}),
        liveTable(TableId::liveScratches, "live_scratches"),
        liveTable(TableId::liveJockeyChanges, "live_jockey_changes"),
        liveTable(TableId::livePostTimeChanges, "live_post_time_changes"),
        liveTable(TableId::liveCourseChanges, "live_course_changes"),
        liveTable(TableId::liveWeather, "live_weather"),
        liveTable(TableId::liveWinOdds, "live_win_odds", {"umaban"}),
        liveTable(TableId::livePlaceOdds, "live_place_odds", {"umaban"}),
        liveTable(TableId::liveBracketOdds, "live_bracket_odds", {"kumi"}),
        liveTable(TableId::liveQuinellaOdds, "live_quinella_odds", {"kumi"}),
        liveTable(TableId::liveWinOddsSeries, "live_win_odds_series", {"umaban"}),
        table(TableId::marks, "marks", markColumns(), raceKeyAnd({"umaban", "mark_set"}), {}),
        table(TableId::notes, "notes", {{"kind", SqlType::text}, {"key", SqlType::text}, {"note", SqlType::text}},
              {"kind", "key"}, {}, false),
        table(TableId::markSets, "mark_sets", {{"mark_set", SqlType::integer}, {"name", SqlType::text}}, {"mark_set"},
              {}, false),
    };
    return tables;
}

const TableDef& tableDef(TableId id) { return exportTables()[static_cast<std::size_t>(id)]; }

}  // namespace vantor::sqlexport
