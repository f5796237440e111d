#include "raceday/live_changes.h"

#include <algorithm>
#include <optional>
#include <string>

#include "codes/course_names.h"
#include "codes/race_key.h"
#include "codes/racing_texts.h"
#include "codes/track_surface.h"
#include "text/formatted.h"
#include "text/sjis_literal.h"

namespace vantor {
namespace {

constexpr SjisView kCourseCodes[kLiveCourses] = {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10"};

struct Texts {
    SjisString horse = sjis("番"), scratched = sjis("出走取消"), excluded = sjis("競走除外"),
               withdrawn = sjis("を撤回"), jockey = sjis("騎手変更"), arrow = sjis(" → "), post = sjis("発走時刻変更"),
               course = sjis("コース変更"), turf = sjis("芝"), dirt = sjis("ダート"), jump = sjis("障害"),
               weights = sjis("馬体重"), notWeighed = sjis("計不"), favourite = sjis("単勝1番人気 "),
               times = sjis("倍"), weather = sjis("天候 "), going = sjis("馬場");
    SjisString reasons[3] = {sjis("疾病"), sjis("事故"), sjis("その他")};
    SjisString openParen = sjis("("), closeParen = sjis(")");
};

const Texts& texts() {
    static const Texts t;
    return t;
}

// "hh:mm" of "hhmm".
SjisString hhmm(SjisView t) {
    return t.size() == 4 ? SjisString(t.substr(0, 2)) + ":" + SjisString(t.substr(2, 2)) : SjisString(t);
}

// "hh:mm" of an announce time MMDDhhmm; now for none or the day's first state.
SjisString timeText(const LiveTime& t, SjisView now) {
    const SjisView text = t.text.view();
    if (!t.present() || text.size() != 8 || text == "00000000") return SjisString(now);
    return hhmm(text.substr(4));
}

SjisString tenths(int value) { return formatted("%d.%d", value / 10, value % 10); }

SjisString nameText(SjisView name) { return removeFullWidthBlanks(trimBlanks(name)); }

// "東京 5R" of a race key.
SjisString raceText(SjisView raceKey) {
    const RaceKey key(raceKey);
    const SjisString course = nameText(CourseName(key.course(), 2).value_or(SjisString()));
    return course + " " + formatted("%dR", lenientInt(key.raceNumber()));
}

SjisString line(const SjisString& time, const SjisString& where, const SjisString& what) {
    return time + " " + where + " " + what;
}

SjisString scratchKindText(const LiveRunner& r) { return r.scratch == "2" ? texts().excluded : texts().scratched; }

SjisString scratchText(const LiveRunner& r) {
    const Texts& t = texts();
    SjisString text = scratchKindText(r);
    const int reason = lenientInt(r.scratchReason.view());
    if (reason >= 1 && reason <= 3) text += t.openParen + t.reasons[reason - 1] + t.closeParen;
    return text;
}

SjisString jockeyText(const LiveRunner& r) {
    const Texts& t = texts();
    SjisString text =
        t.jockey + " " + nameText(r.jockeyBefore.name.view()) + t.arrow + nameText(r.jockeyAfter.name.view());
    if (r.jockeyAfter.futan.hasValue()) text += " " + tenths(r.jockeyAfter.futan.value) + "kg";
    return text;
}

// The surface and distance, "芝1600m"; a track code of no surface shows
// the distance alone.
SjisString courseText(SjisView track, int distance) {
    const Texts& t = texts();
    const std::optional<Surface> surface = surfaceOfTrack(track);
    const SjisString* name = surface == Surface::turf   ? &t.turf
                             : surface == Surface::dirt ? &t.dirt
                             : surface == Surface::jump ? &t.jump
                                                        : nullptr;
    return (name ? *name : SjisString()) + formatted("%dm", distance);
}

SjisString weightText(const LiveRunner& r) {
    if (r.weight.mark == LiveMark::scratched) return texts().scratched;
    if (!r.weight.hasValue()) return texts().notWeighed;
    SjisString text = formatted("%d", r.weight.value);
    if (r.weightChange.hasValue()) text += formatted(r.weightChange.value > 0 ? "(+%d)" : "(%d)", r.weightChange.value);
    return text;
}

// The horse number of the race's favourite in its win odds; 0 for none.
int favourite(const LiveRace& race) {
    if (!race.winPlace.present) return 0;
    for (std::size_t i = 0; i < race.runners.size(); ++i) {
        const LiveRunner& r = race.runners[i];
        if (r.winNinki.hasValue() && r.winNinki.value == 1 && r.winOdds.hasValue()) return static_cast<int>(i) + 1;
    }
    return 0;
}

void raceLines(const LiveRace& before, const LiveRace& after, SjisView raceKey, SjisView now,
               std::vector<SjisString>& out) {
    const Texts& t = texts();
    const SjisString where = raceText(raceKey);
    const SjisString nowText(now);

    if (after.postTimeChange != before.postTimeChange || after.postTime != before.postTime) {
        if (after.postTimeChange.present())
            out.push_back(line(timeText(after.postTimeChange, now), where,
                               t.post + " " + hhmm(after.postTimeBefore) + t.arrow + hhmm(after.postTime)));
        else
            out.push_back(line(nowText, where, t.post + t.withdrawn));
    }
    if (after.courseChange != before.courseChange || after.distance != before.distance || after.track != before.track) {
        if (after.courseChange.present())
            out.push_back(line(timeText(after.courseChange, now), where,
                               t.course + " " + courseText(after.trackBefore, after.distanceBefore) + t.arrow +
                                   courseText(after.track, after.distance)));
        else
            out.push_back(line(nowText, where, t.course + t.withdrawn));
    }
    for (std::size_t i = 0; i < after.runners.size(); ++i) {
        const LiveRunner& a = after.runners[i];
        const LiveRunner& b = before.runners[i];
        const SjisString horse = where + formatted(" %zu", i + 1) + t.horse;
        if (a.scratch != b.scratch || a.scratchReason != b.scratchReason) {
            if (!a.scratch.empty())
                out.push_back(line(timeText(a.scratchTime, now), horse, scratchText(a)));
            else
                out.push_back(line(nowText, horse, scratchKindText(b) + t.withdrawn));
        }
        if (a.jockeyTime != b.jockeyTime || a.jockeyAfter != b.jockeyAfter) {
            if (a.jockeyTime.present())
                out.push_back(line(timeText(a.jockeyTime, now), horse, jockeyText(a)));
            else
                out.push_back(line(nowText, horse, t.jockey + t.withdrawn));
        }
    }
    if (after.weightsTime.present() && after.weightsTime != before.weightsTime) {
        SjisString weights = t.weights;
        for (std::size_t i = 0; i < after.runners.size(); ++i)
            if (after.runners[i].weight.mark != LiveMark::none)
                weights += formatted(" %zu", i + 1) + t.horse + " " + weightText(after.runners[i]);
        out.push_back(line(timeText(after.weightsTime, now), where, weights));
    }
    if (const int fav = favourite(after); fav > 0 && fav != favourite(before)) {
        const LiveRunner& r = after.runners[static_cast<std::size_t>(fav - 1)];
        out.push_back(line(timeText(after.winPlace.time, now), where,
                           t.favourite + formatted("%d", fav) + t.horse + " " + tenths(r.winOdds.value) + t.times));
    }
}

void courseLines(const LiveCourse& before, const LiveCourse& after, SjisView code, SjisView now,
                 std::vector<SjisString>& out) {
    const Texts& t = texts();
    const SjisString where = nameText(CourseName(code, 2).value_or(SjisString()));
    if (after.weatherTime != before.weatherTime || after.weather != before.weather) {
        if (const SjisString name = weatherName(after.weather); !name.empty())
            out.push_back(line(timeText(after.weatherTime, now), where, t.weather + name));
    }
    if (after.goingTime != before.goingTime || after.turfGoing != before.turfGoing ||
        after.dirtGoing != before.dirtGoing) {
        SjisString going = t.going;
        if (const SjisString turf = goingName(after.turfGoing); !turf.empty()) going += " " + t.turf + " " + turf;
        if (const SjisString dirt = goingName(after.dirtGoing); !dirt.empty()) going += " " + t.dirt + " " + dirt;
        if (going.size() > t.going.size()) out.push_back(line(timeText(after.goingTime, now), where, going));
    }
}

}  // namespace

void liveChangeLines(const LiveDay& before, const LiveDay& after, SjisView now, std::vector<SjisString>& out) {
    out.clear();
    static const LiveRace noRace{};
    static const LiveCourse noCourse{};
    for (const SjisView code : kCourseCodes) {
        const LiveCourse* b = before.course(code);
        const LiveCourse* a = after.course(code);
        if (a || b) courseLines(b ? *b : noCourse, a ? *a : noCourse, code, now, out);
        for (int r = 1; r <= kLiveRacesPerCourse; ++r) {
            const LiveRace* x = before.race(code, r);
            const LiveRace* y = after.race(code, r);
            if (x || y) raceLines(x ? *x : noRace, y ? *y : noRace, (y ? y : x)->raceKey.view(), now, out);
        }
    }
    // Each line begins with its "hh:mm".
    std::stable_sort(out.begin(), out.end(), [](const SjisString& a, const SjisString& b) {
        return a.view().substr(0, 5) < b.view().substr(0, 5);
    });
}

}  // namespace vantor
