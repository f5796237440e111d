#include "raceday/live_day.h"

#include <algorithm>

#include "record_layouts/jvdata_live_structure.h"
#include "record_layouts/jvdata_record.h"
#include "text/encoding.h"

namespace vantor {
namespace {

using namespace jvdata;

bool isLater(const LiveTime& t, const LiveTime& current) { return t.order >= current.order; }

}  // namespace

std::unique_ptr<LiveDay> LiveDay::create() {
    std::unique_ptr<LiveDay> day(new LiveDay());
    static constexpr std::size_t kComboLengths[] = {kO3Length, kO4Length, kO5Length, kO6Length};
    for (LiveRace& race : day->races_) {
        race.winSeries.reserve(kWinSeriesCapacity);
        for (std::size_t k = 0; k < race.combos.size(); ++k) race.combos[k].record.reserve(kComboLengths[k]);
    }
    return day;
}

LiveDay::LiveDay() { slotOf_.fill(-1); }

void LiveDay::reset(SjisView day) {
    day_ = day;
    for (std::size_t i = 0; i < racesUsed_; ++i) {
        // The series and the combination records keep their room.
        LiveRace& race = races_[i];
        std::vector<WinSeriesPoint> series = std::move(race.winSeries);
        std::array<SjisString, kComboKinds> records;
        for (std::size_t k = 0; k < records.size(); ++k) records[k] = std::move(race.combos[k].record);
        race = LiveRace{};
        series.clear();
        race.winSeries = std::move(series);
        for (std::size_t k = 0; k < records.size(); ++k) {
            records[k].clear();
            race.combos[k].record = std::move(records[k]);
        }
    }
    racesUsed_ = 0;
    slotOf_.fill(-1);
    courses_.fill(LiveCourse{});
    skips_.clear();
}

void LiveDay::applyAnswer(LiveDataspec dataspec, std::span<const SjisView> records) {
    if (dataspec == LiveDataspec::dayChanges) clearDayChanges();
    for (SjisView record : records) apply(dataspec, withoutLineEnd(record));
}

const LiveRace* LiveDay::race(SjisView course, int raceNum) const {
    const int c = liveCourseIndex(course);
    if (c < 0 || raceNum < 1 || raceNum > kLiveRacesPerCourse) return nullptr;
    const int slot = slotOf_[static_cast<std::size_t>(c * kLiveRacesPerCourse + raceNum - 1)];
    return slot < 0 ? nullptr : &races_[static_cast<std::size_t>(slot)];
}

const LiveCourse* LiveDay::course(SjisView code) const {
    const int c = liveCourseIndex(code);
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

LiveTime LiveDay::timeOf(SjisView announce) const { return {announce, liveAnnounceOrder(announce, day_)}; }

LiveRace* LiveDay::raceOf(SjisView record) {
    const int c = liveCourseIndex(get(record, ra::JyoCD));
    const int r = inum(record, ra::RaceNum);
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
    LiveCourse& course = courses_[static_cast<std::size_t>(liveCourseIndex(get(record, we::JyoCD)))];
    course.present = true;
    return &course;
}

void LiveDay::apply(LiveDataspec dataspec, SjisView record) {
    if (const auto problem = liveRecordProblem(dataspec, record, day_)) return skips_.count(*problem, record);
    const SjisView kind = recordKind(record);
    if (kind == "WE") return applyWeather(*courseOf(record), record);
    LiveRace* race = raceOf(record);
    if (!race) return skips_.count(LiveSkipReason::race, record);  // more races than a day holds

    const auto runner = [&]() -> LiveRunner& {
        return race->runners[static_cast<std::size_t>(liveHorseNumber(get(record, av::Umaban)) - 1)];
    };
    if (kind == "WH") {
        applyWeights(*race, record);
    } else if (kind == "AV") {
        applyScratch(runner(), record);
    } else if (kind == "JC") {
        applyJockey(runner(), record);
    } else if (kind == "TC") {
        applyPostTime(*race, record);
    } else if (kind == "CC") {
        applyCourseChange(*race, record);
    } else if (kind == "O2") {
        applyQuinella(*race, record);
    } else if (kind != "O1") {  // O3-O6: the checks let no other kind through
        applyCombo(race->combos[static_cast<std::size_t>(kind[1] - '3')], record);
    } else if (dataspec == LiveDataspec::winOddsSeries) {
        applySeries(*race, record);
    } else {
        applyWinPlace(*race, record);
    }
}

void LiveDay::applyWeights(LiveRace& race, SjisView record) {
    race.weightsTime = timeOf(get(record, wh::HappyoTime));
    for (LiveRunner& runner : race.runners) runner.weight = runner.weightChange = {};
    for (int i = 1; i <= wh::Umaban.count; ++i) {
        const int horse = liveHorseNumber(get(record, wh::Umaban, i));
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
        if (const int horse = liveHorseNumber(get(record, o1::TanUmaban, i)); horse > 0) {
            LiveRunner& runner = race.runners[static_cast<std::size_t>(horse - 1)];
            runner.winOdds = readOddsField(get(record, o1::TanOdds, i));
            runner.winNinki = readOddsField(get(record, o1::TanNinki, i));
        }
        if (const int horse = liveHorseNumber(get(record, o1::FukuUmaban, i)); horse > 0) {
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
            static_cast<std::uint8_t>(std::max(0, liveHorseNumber(pair.substr(0, 2)))),
            static_cast<std::uint8_t>(std::max(0, liveHorseNumber(pair.substr(2, 2)))),
            readOddsField(get(record, o2::UmarenOdds, i)), readOddsField(get(record, o2::UmarenNinki, i))};
    }
}

void LiveDay::applyCombo(ComboSnapshot& combo, SjisView record) {
    combo.snapshot = snapshotOf(record, timeOf(get(record, o3::HappyoTime)), o3::SyussoTosu);
    combo.sale = get(record, o3::HatubaiFlag);
    combo.record.assign(record);  // within the room create() made: a checked record has its kind's length
}

void LiveDay::applySeries(LiveRace& race, SjisView record) {
    const LiveTime t = timeOf(get(record, o1::HappyoTime));
    auto& series = race.winSeries;
    auto at = std::lower_bound(series.begin(), series.end(), t.order,
                               [](const WinSeriesPoint& p, std::int32_t order) { return p.time.order < order; });
    // An announcement already held is taken again as delivered, never twice.
    if (at == series.end() || at->time.text != t.text) {
        if (series.size() == series.capacity()) return skips_.count(LiveSkipReason::seriesFull, record);
        at = series.insert(at, WinSeriesPoint{});
    }
    WinSeriesPoint& point = *at;
    point = WinSeriesPoint{t, {}, {}};
    for (int i = 1; i <= o1::TanUmaban.count; ++i) {
        const int horse = liveHorseNumber(get(record, o1::TanUmaban, i));
        if (horse == 0) continue;
        point.odds[static_cast<std::size_t>(horse - 1)] = readOddsField(get(record, o1::TanOdds, i));
        point.ninki[static_cast<std::size_t>(horse - 1)] = readOddsField(get(record, o1::TanNinki, i));
    }
}

}  // namespace vantor
