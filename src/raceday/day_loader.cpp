#include "raceday/day_loader.h"

#include <algorithm>

#include "raceday/live_card.h"
#include "raceday/live_day_load.h"
#include "raceday/payout_match.h"
#include "raceday/predicted_odds.h"
#include "raceday/race_assembly.h"
#include "raceday/race_list.h"
#include "raceday/race_marks.h"
#include "raceday/results_conversion.h"
#include "raceday/runner_records.h"
#include "raceday/trainer_list.h"
#include "record_layouts/jvdata_structure.h"
#include "record_layouts/odds_line_layouts.h"
#include "text/encoding.h"

namespace vantor {
namespace {

constexpr int kPredictedOddsFromYear = 2005;

void call(const std::function<void()>& hook) {
    if (hook) hook();
}

SjisView bytesOf(const FileContent& content) {
    return content.status == FileContent::Status::ok ? sjisBytes(content.bytes) : SjisView();
}

// "yyyymmdd" of a day name "yyyy年mm月dd日": its digits.
SjisString liveDayOf(const std::string& dayName) {
    SjisString day;
    for (char c : dayName)
        if (c >= '0' && c <= '9') day += c;
    return day;
}

}  // namespace

SjisString dayDataMissingMessage() { return utf8ToCp932("データ作成が未完了のようです。"); }

DayLoader::DayLoader(const StorePaths& paths, FileAccess& files)
    : DayLoader(
          paths,
          [&files](const std::filesystem::path& path, const ReadBound& bound) { return files.readPart(path, bound); },
          files) {}

DayLoader::DayLoader(const StorePaths& paths, FileReader reader, FileAccess& files)
    : paths_(paths), files_(std::move(reader), files) {
    sortKeys_.reserve(kMaxRunners);
}

DayLoadResult DayLoader::load(const std::string& dayName, RaceDay& day, const DayLoadHooks& hooks) {
    DayLoadResult result;
    day.clear();
    day.Over2005 = lenientInt(std::string_view(dayName).substr(0, 4)) >= kPredictedOddsFromYear ? 1 : 0;

    const FileContent& races =
        files_.read(paths_.dayFile(dayName, ".jvRA"), firstRecords(kMaxRaces, jvdata::kRaLength));
    if (races.status != FileContent::Status::ok) {
        files_.forget();
        return result;
    }
    result.status = DayLoadResult::Status::loaded;
    if (hooks.progressOpen)
        hooks.progressOpen(kDayLoadProgressMaximum, utf8ToCp932("レースデータを読み込んでいます。"),
                           utf8ToCp932(dayName));
    call(hooks.pump);

    readRaces(sjisBytes(races.bytes), dayName, day, hooks);
    matchPayouts(bytesOf(files_.read(paths_.dayFile(dayName, ".jvHR"), firstRecords(kMaxRaces, jvdata::kHrLength))),
                 day);
    matchPredictedOdds(bytesOf(files_.read(paths_.dayFile(dayName, ".yoz"), firstRecords(kMaxRaces, yoz::kLength))),
                       day);
    loadLiveDay(paths_, liveDayOf(dayName), day.live(), files_.reader());
    fillLiveCard(day);
    files_.forget();

    call(hooks.progressClose);
    SeiBtnClick(day);
    call(hooks.pump);
    call(hooks.pump);
    derive(day, hooks, result);
    return result;
}

// The runners of every race are read first, so that the past race files
// their earlier runs name can each be read once and let go before the
// next; then each race is given its earlier runs' race records and
// assembled before the next one, so that its record images are still in
// the processor's cache when assembly reads them. No step reads another
// race's images, and neither payouts nor predicted odds take part in
// assembly, so the tables come out as if each step ran over all races in
// turn.
void DayLoader::readRaces(SjisView raBytes, const std::string& dayName, RaceDay& day, const DayLoadHooks& hooks) {
    const int count = static_cast<int>(std::min(recordCount(raBytes, jvdata::kRaLength), std::size_t{kMaxRaces}));
    // The slots are in use before anything is written to them, so that the
    // next load resets them even after this one was broken off.
    day.RaceCount = count;
    // The runner reads below replace the buffer raBytes lives in, so every
    // race record is taken first.
    for (int c = 0; c < count; ++c) day.JvRaTbl[c].assign(recordAt(raBytes, jvdata::kRaLength, c));
    for (int c = 0; c < count; ++c) {
        readRunnerRecords(paths_, dayName, files_, day, c);
        call(hooks.progressStep);
    }
    pastRaces_.read(day, count);
    for (int c = 0; c < count; ++c) {
        pastRaces_.give(day, c);
        call(hooks.progressStep);
        assembleRace(day, c);
    }
    for (int c = count; c < kMaxRaces; ++c) call(hooks.progressStep);
}

void DayLoader::derive(RaceDay& day, const DayLoadHooks& hooks, DayLoadResult& result) {
    day.ChokList.clear();
    day.UmaNameList.clear();
    for (int r = 0; r < kMaxRaces; ++r) {
        if (day.RaceTbl[r].RacePresent != 1) continue;
        result.raceItems.push_back(raceListItem(day.RaceTbl[r]));
        deriveRaceMarks(day, r, sortKeys_);
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
