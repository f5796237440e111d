#include "raceday/day_loader.h"

#include <algorithm>

#include "raceday/past_run_races.h"
#include "raceday/payout_match.h"
#include "raceday/predicted_odds.h"
#include "raceday/race_assembly.h"
#include "raceday/race_list.h"
#include "raceday/race_marks.h"
#include "raceday/results_conversion.h"
#include "raceday/runner_records.h"
#include "raceday/trainer_list.h"
#include "store/jvdata_structure.h"
#include "text/encoding.h"

namespace vantor {
namespace {

constexpr int kPredictedOddsFromYear = 2005;

void call(const std::function<void()>& hook) {
    if (hook) hook();
}

SjisView bytesOf(const FileContent& content) {
    return content.status == FileContent::Status::ok ? SjisView(content.bytes) : SjisView();
}

}  // namespace

SjisString dayDataMissingMessage() { return utf8ToCp932("データ作成が未完了のようです。"); }

DayLoader::DayLoader(const StorePaths& paths, FileReader reader) : paths_(paths), files_(std::move(reader)) {}

DayLoadResult DayLoader::load(const std::string& dayName, RaceDay& day, const DayLoadHooks& hooks) {
    DayLoadResult result;
    day.Over2005 = lenientInt(SjisView(dayName).substr(0, 4)) >= kPredictedOddsFromYear ? 1 : 0;
    IniBtnClick(day);
    // Nothing of an earlier day survives, not even when this one has no data.
    day.blankRawTables();
    day.RaceCount = 0;

    const FileContent& races = files_.read(paths_.dayFile(dayName, ".jvRA"));
    if (races.status != FileContent::Status::ok) {
        files_.forget();
        return result;
    }
    result.status = DayLoadResult::Status::loaded;
    if (hooks.progressOpen)
        hooks.progressOpen(kDayLoadProgressMaximum, utf8ToCp932("レースデータを読み込んでいます。"),
                           utf8ToCp932(dayName));
    call(hooks.pump);

    readRaces(races.bytes, dayName, day, hooks);
    matchPayouts(bytesOf(files_.read(paths_.dayFile(dayName, ".jvHR"))), day);
    matchPredictedOdds(bytesOf(files_.read(paths_.dayFile(dayName, ".yoz"))), day);
    readPastRunRaces(paths_, files_, day, hooks.progressStep);
    files_.forget();

    call(hooks.progressClose);
    DainyuBtnClick(day);
    SeiBtnClick(day);
    call(hooks.pump);
    call(hooks.pump);
    derive(day, hooks, result);
    return result;
}

void DayLoader::readRaces(SjisView raBytes, const std::string& dayName, RaceDay& day, const DayLoadHooks& hooks) {
    const std::size_t count = std::min(recordCount(raBytes, jvdata::kRaLength), std::size_t{kMaxRaces});
    // The runner reads below replace the buffer raBytes lives in, so every
    // race record is taken first.
    for (std::size_t c = 0; c < count; ++c) day.JvRaTbl[c].assign(recordAt(raBytes, jvdata::kRaLength, c));
    for (std::size_t c = 0; c < count; ++c) {
        const int race = static_cast<int>(c);
        readRunnerRecords(paths_, dayName, files_, day, race);
        call(hooks.progressStep);
        day.RaceCount = race + 1;
    }
}

void DayLoader::derive(RaceDay& day, const DayLoadHooks& hooks, DayLoadResult& result) {
    day.ChokList.clear();
    day.UmaNameList.clear();
    for (int r = 0; r < kMaxRaces; ++r) {
        if (day.RaceTbl[r].RacePresent != 1) continue;
        result.raceItems.push_back(raceListItem(day.RaceTbl[r]));
        deriveRaceMarks(day, r);
    }
    result.trainerItems = orderTrainers(day);
    result.upDownMax = static_cast<int>(result.raceItems.size()) - 1;
    for (int r = 0; r < kMaxRaces; ++r) {
        if (day.RaceTbl[r].RacePresent != 1) continue;
        call(hooks.pump);
        setPredictedOdds(day, r);
        rankPredictedOdds(day.RaceTbl[r]);
    }
    result.horseInitials = day.UmaNameList;
}

}  // namespace vantor
