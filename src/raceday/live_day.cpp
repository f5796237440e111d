#include "raceday/live_day.h"

#include <algorithm>

#include "store/jvdata_live_structure.h"
#include "store/jvdata_record.h"
#include "text/encoding.h"

namespace vantor {
namespace {

using namespace jvdata;

// The kinds an answer of each spec brings; null for one that is no part
// of the state but may come (O3-O6 of the odds).
const RecordLayout* layoutFor(LiveSpec spec, SjisView kind, bool& expected) {
    const auto pick = [&](std::initializer_list<const RecordLayout*> layouts) -> const RecordLayout* {
        for (const RecordLayout* l : layouts)
            if (l->kind == kind) return l;
        return nullptr;
    };
    const RecordLayout* layout = nullptr;
    expected = false;
    switch (spec) {
        case LiveSpec::weights:
            layout = pick({&kWhLayout});
            break;
        case LiveSpec::dayChanges:
            layout = pick({&kWeLayout, &kAvLayout, &kJcLayout, &kTcLayout, &kCcLayout});
            break;
        case LiveSpec::odds:
            layout = pick({&kO1Layout, &kO2Layout});
            expected = kind == "O3" || kind == "O4" || kind == "O5" || kind == "O6";
            break;
        case LiveSpec::winOddsSeries:
            layout = pick({&kO1Layout});
            break;
    }
    expected = expected || layout;
    return layout;
}

// A horse number field: 1-18, 0 for an empty entry ("00" or blanks), -1
// for anything else.
int horseNumber(SjisView text) {
    if (trimBlanks(text).empty() || text == "00") return 0;
    if (text.size() != 2 || !isAllDigits(text)) return -1;
    const int n = lenientInt(text);
    return n <= kMaxRunners ? n : -1;
}

// True when every occurrence of the field holds a horse number or none.
bool everyNumberFits(SjisView record, Field f) {
    for (int i = 1; i <= f.count; ++i)
        if (horseNumber(get(record, f, i)) < 0) return false;
    return true;
}

bool quinellaPairsFit(SjisView record) {
    for (int i = 1; i <= o2::UmarenKumi.count; ++i) {
        const SjisView pair = get(record, o2::UmarenKumi, i);
        if (trimBlanks(pair).empty()) continue;
        if (horseNumber(pair.substr(0, 2)) < 0 || horseNumber(pair.substr(2, 2)) < 0) return false;
    }
    return true;
}

// True when every horse number the record names is 01-18 or an empty entry
// (a scratch or jockey change names one horse, which must be there).
bool horseNumbersFit(SjisView record) {
    static_assert(av::Umaban.pos == jc::Umaban.pos);
    const SjisView kind = recordKind(record);
    if (kind == "AV" || kind == "JC") return horseNumber(get(record, av::Umaban)) >= 1;
    if (kind == "WH") return everyNumberFits(record, wh::Umaban);
    if (kind == "O1") return everyNumberFits(record, o1::TanUmaban) && everyNumberFits(record, o1::FukuUmaban);
    if (kind == "O2") return quinellaPairsFit(record);
    return true;
}

// The slot of racecourse code "01".."10", -1 for any other.
int courseIndex(SjisView code) {
    if (code.size() != 2 || !isAllDigits(code)) return -1;
    const int c = lenientInt(code);
    return c >= 1 && c <= kLiveCourses ? c - 1 : -1;
}

bool isLater(const LiveTime& t, const LiveTime& current) { return t.order >= current.order; }

}  // namespace

std::unique_ptr<LiveDay> LiveDay::create() {
    std::unique_ptr<LiveDay> day(new LiveDay());
    for (LiveRace& race : day->races_) race.winSeries.reserve(kWinSeriesCapacity);
    return day;
}

LiveDay::LiveDay() { slotOf_.fill(-1); }

void LiveDay::reset(SjisView day) {
    day_ = day;
    for (std::size_t i = 0; i < racesUsed_; ++i) {
        std::vector<WinSeriesPoint> series = std::move(races_[i].winSeries);
        series.clear();
        races_[i] = LiveRace{};
        races_[i].winSeries = std::move(series);  // keeps its room
    }
    racesUsed_ = 0;
    slotOf_.fill(-1);
    courses_.fill(LiveCourse{});
    skipCount_ = 0;
}

void LiveDay::applyAnswer(LiveSpec spec, std::span<const SjisView> records) {
    if (spec == LiveSpec::dayChanges) clearDayChanges();
    for (SjisView record : records) apply(spec, withoutLineEnd(record));
}

const LiveRace* LiveDay::race(SjisView course, int raceNum) const {
    const int c = courseIndex(course);
    if (c < 0 || raceNum < 1 || raceNum > kLiveRacesPerCourse) return nullptr;
    const int slot = slotOf_[static_cast<std::size_t>(c * kLiveRacesPerCourse + raceNum - 1)];
    return slot < 0 ? nullptr : &races_[static_cast<std::size_t>(slot)];
}

const LiveCourse* LiveDay::course(SjisView code) const {
    const int c = courseIndex(code);
    return c < 0 || !courses_[static_cast<std::size_t>(c)].present ? nullptr : &courses_[static_cast<std::size_t>(c)];
}

void LiveDay::clearDayChanges() {
    for (std::size_t i = 0; i < racesUsed_; ++i) {
        LiveRace& race = races_[i];
        race.postTimeChange = {};
        race.postTime.clear();
        race.postTimeBefore.clear();
        race.courseChange = {};
        race.distance = race.distanceBefore = 0;
        race.track.clear();
        race.trackBefore.clear();
        race.courseChangeReason.clear();
        for (LiveRunner& runner : race.runners) {
            runner.scratch.clear();
            runner.scratchReason.clear();
            runner.scratchTime = {};
            runner.jockeyTime = {};
            runner.jockeyAfter = runner.jockeyBefore = {};
        }
    }
    courses_.fill(LiveCourse{});
}

void LiveDay::skip(LiveSkipReason reason, SjisView record) {
    const SjisView kind = field(record, 1, 2);
    for (std::size_t i = 0; i < skipCount_; ++i) {
        if (skips_[i].reason == reason && skips_[i].kind == kind) {
            ++skips_[i].count;
            return;
        }
    }
    // A full table counts on in its last entry, so no skip goes uncounted.
    if (skipCount_ == skips_.size()) {
        ++skips_.back().count;
        return;
    }
    skips_[skipCount_++] = LiveSkip{reason, kind, 1};
}

LiveTime LiveDay::timeOf(SjisView announce) const {
    LiveTime t{announce, 0};
    // "00000000" (the first state) and anything that is no time come first;
    // an announcement of a later month-day than the race day's is of the
    // year before.
    if (announce.size() != 8 || !isAllDigits(announce) || announce == "00000000") return t;
    const int monthDay = lenientInt(announce.substr(0, 4));
    const int sameYear = monthDay <= lenientInt(field(day_, 5, 4)) ? 1 : 0;
    t.order = 1 + sameYear * 100000000 + lenientInt(announce);
    return t;
}

LiveRace* LiveDay::raceOf(SjisView record) {
    const int c = courseIndex(get(record, ra::JyoCD));
    const SjisView raceText = get(record, ra::RaceNum);
    const int r = isAllDigits(raceText) ? lenientInt(raceText) : 0;
    if (raceDate(record) != day_.view() || c < 0 || r < 1 || r > kLiveRacesPerCourse) return nullptr;
    std::int8_t& slot = slotOf_[static_cast<std::size_t>(c * kLiveRacesPerCourse + r - 1)];
    if (slot < 0) {
        if (racesUsed_ == races_.size()) return nullptr;
        slot = static_cast<std::int8_t>(racesUsed_++);
    }
    LiveRace& race = races_[static_cast<std::size_t>(slot)];
    race.present = true;
    race.raceKey = raceKey(record).text();
    return &race;
}

LiveCourse* LiveDay::courseOf(SjisView record) {
    const int c = courseIndex(get(record, we::JyoCD));
    const SjisView date = field(record, we::Year.pos, 8);
    if (date != day_.view() || c < 0) return nullptr;
    LiveCourse& course = courses_[static_cast<std::size_t>(c)];
    course.present = true;
    return &course;
}

void LiveDay::apply(LiveSpec spec, SjisView record) {
    const SjisView kind = recordKind(record);
    bool expected = false;
    const RecordLayout* layout = layoutFor(spec, kind, expected);
    if (!layout) {
        if (!expected) skip(LiveSkipReason::kind, record);
        return;
    }
    if (record.size() + 2 != layout->length) return skip(LiveSkipReason::length, record);

    if (kind == "WE") {
        const SjisView change = get(record, we::HenkoID);
        if (change != "1" && change != "2" && change != "3") return skip(LiveSkipReason::changeKind, record);
        LiveCourse* course = courseOf(record);
        if (!course) return skip(LiveSkipReason::race, record);
        return applyWeather(*course, record);
    }
    // Horse numbers are checked before the race takes a slot, so that a
    // record that is not used leaves no trace.
    const bool oneHorse = kind == "AV" || kind == "JC";
    if (!horseNumbersFit(record)) return skip(LiveSkipReason::horseNumber, record);
    LiveRace* race = raceOf(record);
    if (!race) return skip(LiveSkipReason::race, record);

    LiveRunner* runner =
        oneHorse ? &race->runners[static_cast<std::size_t>(horseNumber(get(record, av::Umaban)) - 1)] : nullptr;
    if (kind == "WH") {
        applyWeights(*race, record);
    } else if (kind == "AV") {
        applyScratch(*runner, record);
    } else if (kind == "JC") {
        applyJockey(*runner, record);
    } else if (kind == "TC") {
        applyPostTime(*race, record);
    } else if (kind == "CC") {
        applyCourseChange(*race, record);
    } else if (kind == "O2") {
        applyQuinella(*race, record);
    } else if (spec == LiveSpec::winOddsSeries) {
        applySeries(*race, record);
    } else {
        applyWinPlace(*race, record);
    }
}

void LiveDay::applyWeights(LiveRace& race, SjisView record) {
    race.weightsTime = timeOf(get(record, wh::HappyoTime));
    for (LiveRunner& runner : race.runners) runner.weight = runner.weightChange = {};
    for (int i = 1; i <= wh::Umaban.count; ++i) {
        const int horse = horseNumber(get(record, wh::Umaban, i));
        if (horse == 0) continue;
        LiveRunner& runner = race.runners[static_cast<std::size_t>(horse - 1)];
        runner.weight = readWeightField(get(record, wh::BaTaijyu, i));
        runner.weightChange = readWeightChange(get(record, wh::ZogenFugo, i), get(record, wh::ZogenSa, i));
    }
}

void LiveDay::applyScratch(LiveRunner& runner, SjisView record) {
    const LiveTime t = timeOf(get(record, av::HappyoTime));
    if (!isLater(t, runner.scratchTime)) return;
    runner.scratchTime = t;
    runner.scratch = dataKind(record);
    runner.scratchReason = get(record, av::JiyuKubun);
}

void LiveDay::applyJockey(LiveRunner& runner, SjisView record) {
    const LiveTime t = timeOf(get(record, jc::HappyoTime));
    if (!isLater(t, runner.jockeyTime)) return;
    runner.jockeyTime = t;
    runner.jockeyAfter = {readOddsField(get(record, jc::Futan)), get(record, jc::KisyuCode), get(record, jc::KisyuName),
                          get(record, jc::MinaraiCD)};
    runner.jockeyBefore = {readOddsField(get(record, jc::FutanBefore)), get(record, jc::KisyuCodeBefore),
                           get(record, jc::KisyuNameBefore), get(record, jc::MinaraiCDBefore)};
}

void LiveDay::applyPostTime(LiveRace& race, SjisView record) {
    const LiveTime t = timeOf(get(record, tc::HappyoTime));
    if (!isLater(t, race.postTimeChange)) return;
    race.postTimeChange = t;
    race.postTime = get(record, tc::HassoTime);
    race.postTimeBefore = get(record, tc::HassoTimeBefore);
}

void LiveDay::applyCourseChange(LiveRace& race, SjisView record) {
    const LiveTime t = timeOf(get(record, cc::HappyoTime));
    if (!isLater(t, race.courseChange)) return;
    race.courseChange = t;
    race.distance = inum(record, cc::Kyori);
    race.distanceBefore = inum(record, cc::KyoriBefore);
    race.track = get(record, cc::TrackCD);
    race.trackBefore = get(record, cc::TrackCDBefore);
    race.courseChangeReason = get(record, cc::JiyuCD);
}

void LiveDay::applyWeather(LiveCourse& course, SjisView record) {
    const LiveTime t = timeOf(get(record, we::HappyoTime));
    const SjisView change = get(record, we::HenkoID);
    if (change != "3" && isLater(t, course.weatherTime)) {
        course.weatherTime = t;
        course.weather = get(record, we::TenkoCD);
    }
    if (change != "2" && isLater(t, course.goingTime)) {
        course.goingTime = t;
        course.turfGoing = get(record, we::SibaBabaCD);
        course.dirtGoing = get(record, we::DirtBabaCD);
    }
}

namespace {

OddsSnapshot snapshotOf(SjisView record, LiveTime time, Field starters) {
    return {true, dataKind(record), time, inum(record, starters)};
}

}  // namespace

void LiveDay::applyWinPlace(LiveRace& race, SjisView record) {
    race.winPlace = snapshotOf(record, timeOf(get(record, o1::HappyoTime)), o1::SyussoTosu);
    race.winSale = get(record, o1::TansyoFlag);
    race.placeSale = get(record, o1::FukusyoFlag);
    race.bracketSale = get(record, o1::WakurenFlag);
    for (LiveRunner& runner : race.runners)
        runner.winOdds = runner.winNinki = runner.placeOddsLow = runner.placeOddsHigh = runner.placeNinki = {};
    for (int i = 1; i <= o1::TanUmaban.count; ++i) {
        if (const int horse = horseNumber(get(record, o1::TanUmaban, i)); horse > 0) {
            LiveRunner& runner = race.runners[static_cast<std::size_t>(horse - 1)];
            runner.winOdds = readOddsField(get(record, o1::TanOdds, i));
            runner.winNinki = readOddsField(get(record, o1::TanNinki, i));
        }
        if (const int horse = horseNumber(get(record, o1::FukuUmaban, i)); horse > 0) {
            LiveRunner& runner = race.runners[static_cast<std::size_t>(horse - 1)];
            runner.placeOddsLow = readOddsField(get(record, o1::FukuOddsLow, i));
            runner.placeOddsHigh = readOddsField(get(record, o1::FukuOddsHigh, i));
            runner.placeNinki = readOddsField(get(record, o1::FukuNinki, i));
        }
    }
    for (int i = 1; i <= o1::WakurenKumi.count; ++i) {
        const SjisView pair = get(record, o1::WakurenKumi, i);
        const bool named = isAllDigits(pair);
        race.bracket[static_cast<std::size_t>(i - 1)] = {
            static_cast<std::uint8_t>(named ? pair[0] - '0' : 0), static_cast<std::uint8_t>(named ? pair[1] - '0' : 0),
            readOddsField(get(record, o1::WakurenOdds, i)), readOddsField(get(record, o1::WakurenNinki, i))};
    }
}

void LiveDay::applyQuinella(LiveRace& race, SjisView record) {
    race.quinella = snapshotOf(record, timeOf(get(record, o2::HappyoTime)), o2::SyussoTosu);
    race.quinellaSale = get(record, o2::UmarenFlag);
    for (int i = 1; i <= o2::UmarenKumi.count; ++i) {
        const SjisView pair = get(record, o2::UmarenKumi, i);
        race.quinellaPairs[static_cast<std::size_t>(i - 1)] = {
            static_cast<std::uint8_t>(std::max(0, horseNumber(pair.substr(0, 2)))),
            static_cast<std::uint8_t>(std::max(0, horseNumber(pair.substr(2, 2)))),
            readOddsField(get(record, o2::UmarenOdds, i)), readOddsField(get(record, o2::UmarenNinki, i))};
    }
}

void LiveDay::applySeries(LiveRace& race, SjisView record) {
    const LiveTime t = timeOf(get(record, o1::HappyoTime));
    auto& series = race.winSeries;
    auto at = std::lower_bound(series.begin(), series.end(), t.order,
                               [](const WinSeriesPoint& p, std::int32_t order) { return p.time.order < order; });
    // An announcement already held is taken again as delivered, never twice.
    if (at == series.end() || at->time.text != t.text) {
        if (series.size() == series.capacity()) return skip(LiveSkipReason::seriesFull, record);
        at = series.insert(at, WinSeriesPoint{});
    }
    WinSeriesPoint& point = *at;
    point = WinSeriesPoint{t, {}, {}};
    for (int i = 1; i <= o1::TanUmaban.count; ++i) {
        const int horse = horseNumber(get(record, o1::TanUmaban, i));
        if (horse == 0) continue;
        point.odds[static_cast<std::size_t>(horse - 1)] = readOddsField(get(record, o1::TanOdds, i));
        point.ninki[static_cast<std::size_t>(horse - 1)] = readOddsField(get(record, o1::TanNinki, i));
    }
}

std::string liveSkipText(const LiveSkip& skip) {
    const char* why = "";
    switch (skip.reason) {
        case LiveSkipReason::length:
            why = "長さが違う";
            break;
        case LiveSkipReason::kind:
            why = "このデータ種別では届かない種別";
            break;
        case LiveSkipReason::race:
            why = "この日のJRAのレースではない";
            break;
        case LiveSkipReason::horseNumber:
            why = "馬番が01-18の外";
            break;
        case LiveSkipReason::changeKind:
            why = "変更識別が1-3の外";
            break;
        case LiveSkipReason::seriesFull:
            why = "時系列オッズが満杯";
            break;
    }
    return cp932ToUtf8(skip.kind) + " " + std::to_string(skip.count) + "件 " + why;
}

}  // namespace vantor
