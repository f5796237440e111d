#include "raceday/live_card.h"

#include "codes/race_key.h"
#include "raceday/live_race_of.h"
#include "text/formatted.h"
#include "text/sjis_literal.h"

namespace vantor {
namespace {

const LiveTime& later(const LiveTime& a, const LiveTime& b) { return b.order > a.order ? b : a; }

SjisString reasonText(SjisView code) {
    if (code == "001") return sjis("疾病");
    if (code == "002") return sjis("事故");
    if (code == "003") return sjis("その他");
    return {};
}

SjisString weightText(const LiveRunner& runner) {
    if (runner.weight.mark == LiveMark::notWeighed) return sjis("計不");
    if (!runner.weight.hasValue()) return {};
    if (runner.weightChange.mark == LiveMark::notWeighed)
        return formatted("%d(%s)", runner.weight.value, sjis("計不").c_str());
    if (!runner.weightChange.hasValue()) return formatted("%d", runner.weight.value);
    return runner.weightChange.value == 0 ? formatted("%d(0)", runner.weight.value)
                                          : formatted("%d(%+d)", runner.weight.value, runner.weightChange.value);
}

SjisString winOddsText(const LiveRunner& runner) {
    if (!runner.winOdds.hasValue()) return {};
    SjisString text = formatted("%d.%d", runner.winOdds.value / 10, runner.winOdds.value % 10) + sjis("倍");
    if (runner.winNinki.hasValue()) text += formatted(" %d", runner.winNinki.value) + sjis("人");
    return text;
}

void fillRace(TRaceRec& rec, const LiveRace& live) {
    rec.LiveOut = 0;
    for (std::size_t j = 0; j < kMaxRunners; ++j) {
        const LiveRunner& runner = live.runners[j];
        const bool out = runner.scratch == "1" || runner.scratch == "2";
        rec.LiveStatus[j] = out ? sjis(runner.scratch == "1" ? "取消" : "除外") : SjisString();
        rec.LiveStatusReason[j] = out ? reasonText(runner.scratchReason) : SjisString();
        rec.LiveOut += out ? 1 : 0;
        const bool changed = runner.jockeyTime.present() && !trimBlanks(runner.jockeyAfter.name.view()).empty();
        rec.LiveKisyuName[j] = changed ? trimBlanks(runner.jockeyAfter.name.view()) : SjisView();
        rec.LiveKisyuBefore[j] = changed ? trimBlanks(runner.jockeyBefore.name.view()) : SjisView();
        rec.LiveFutan[j] = changed && runner.jockeyAfter.futan.hasValue()
                               ? formatted("%d", runner.jockeyAfter.futan.value)
                               : SjisString();
        rec.LiveWeight[j] = out ? SjisString() : weightText(runner);
        rec.LiveWinOdds[j] = out ? SjisString() : winOddsText(runner);
    }
    rec.LiveOddsTime = live.winPlace.present ? liveClockText(live.winPlace.time) : SjisString();
    rec.LivePostTime =
        live.postTimeChange.present() && isAllDigits(live.postTime.view()) ? live.postTime.view() : SjisView();
    const bool courseChanged = live.courseChange.present() && live.distance > 0;
    rec.LiveKyori = courseChanged ? formatted("%d", live.distance) : SjisString();
    rec.LiveTrackCd = courseChanged && isAllDigits(live.track.view()) ? live.track.view() : SjisView();
}

void fillCourse(TRaceRec& rec, const LiveCourse& course) {
    rec.LiveTenkoCd = course.weather;
    rec.LiveSibaBabaCd = course.turfGoing;
    rec.LiveDirtBabaCd = course.dirtGoing;
    rec.LiveBabaTime = liveClockText(later(course.weatherTime, course.goingTime));
}

// The latest announcement of the race and its racecourse.
LiveTime latestOf(const LiveRace* race, const LiveCourse* course) {
    LiveTime latest;
    if (course) latest = later(course->weatherTime, course->goingTime);
    if (!race) return latest;
    for (const LiveTime& t :
         {race->postTimeChange, race->courseChange, race->weightsTime, race->winPlace.time, race->quinella.time})
        latest = later(latest, t);
    for (const ComboSnapshot& combo : race->combos) latest = later(latest, combo.snapshot.time);
    for (const LiveRunner& runner : race->runners) latest = later(later(latest, runner.scratchTime), runner.jockeyTime);
    return latest;
}

}  // namespace

SjisString liveClockText(const LiveTime& time) {
    const SjisView text = time.text.view();
    if (text.size() != 8 || !isAllDigits(text) || text == "00000000") return {};
    return SjisString(text.substr(4, 2)) + ":" + SjisString(text.substr(6, 2));
}

void fillLiveCard(RaceDay& day) {
    for (int r = 0; r < day.RaceCount && r < kMaxRaces; ++r) {
        TRaceRec& rec = day.RaceTbl[r];
        const LiveRace* live = liveRaceOf(day, r);
        const RaceKey key(rec.RaceKey.view());
        const LiveCourse* course = key.text().size() >= RaceKey::kLength ? day.live().course(key.course()) : nullptr;
        if (live) fillRace(rec, *live);
        if (course) fillCourse(rec, *course);
        rec.LiveAsOf = liveClockText(latestOf(live, course));
    }
}

}  // namespace vantor
