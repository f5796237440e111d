#include "export/export_tables.h"

#include <array>

#include "codes/course_names.h"
#include "codes/horse_codes.h"
#include "codes/racing_texts.h"
#include "export/layout_columns.h"
#include "export/odds_rows.h"
#include "export/payout_rows.h"
#include "store/jvdata_structure.h"

namespace vantor::sqlexport {
namespace {

SjisString courseName(SjisView code) { return CourseName(code, 2).value_or(SjisString()); }

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
               std::vector<std::string> indexed) {
    columns.push_back({"store_file", SqlType::text});
    indexed.push_back("store_file");
    return {id, std::move(name), std::move(columns), std::move(key), std::move(indexed)};
}

}  // namespace

std::vector<ColumnDef> raceKeyColumns() { return columnsOf(kRaceKey); }
void appendRaceKey(SjisView record, Row& row) { appendValues(kRaceKey, record, row); }
void appendRaceValues(SjisView record, Row& row) { appendValues(kRaces, record, row); }
void appendRunnerValues(SjisView record, Row& row) { appendValues(kRunners, record, row); }
void appendHorseValues(SjisView record, Row& row) { appendValues(kHorses, record, row); }

const std::vector<TableDef>& exportTables() {
    static const std::vector<TableDef> tables{
        table(TableId::races, "races", columnsOf(kRaces), kRaceKeyNames, {"race_date"}),
        table(TableId::runners, "runners", columnsOf(kRunners), raceKeyAnd({"umaban"}),
              {"kettonum", "chokyosicode", "kisyucode"}),
        table(TableId::payouts, "payouts", payoutColumns(), raceKeyAnd({"bet", "slot"}), {}),
        table(TableId::horses, "horses", columnsOf(kHorses), {"kettonum"}, {"hansyokunum_1"}),
        table(TableId::predictedOdds, "predicted_odds", oddsColumns(),
              {"race_date", "course_code", "kaiji", "nichiji", "racenum", "umaban"}, {}),
    };
    return tables;
}

const TableDef& tableDef(TableId id) { return exportTables()[static_cast<std::size_t>(id)]; }

}  // namespace vantor::sqlexport
