#pragma once
// One race day's live state, from the real-time service's answers: per
// runner the win odds and popularity, the place odds range, the body
// weight and its change, a scratch or exclusion with its reason and a
// jockey change; per race the post-time and course changes, the odds
// snapshots and the win-odds time series; per racecourse the weather and
// going with their announce times.
//
// Answers are applied as the service means them:
// - a complete day-changes answer (0B14) replaces the day's whole set of
//   WE, AV, JC, TC and CC, so that a withdrawn scratch or jockey change is
//   gone; within it the latest announce time wins (a jockey "未定" first,
//   the named one later), for the weather the latest change of kind 1 or
//   2, for the going the latest of kind 1 or 3;
// - a WH replaces the race's earlier weights, an O1 to O6 the race's
//   earlier snapshot of its kind;
// - a time-series O1 (0B41) adds its announcement once.
// A record that the checks of live_record_checks.h refuse is counted by
// kind and reason and changes nothing.
//
// The quinella-place, exacta, trio and trifecta snapshots (O3-O6) hold up to
// 4,896 entries each: a race keeps each as the record's bytes, read entry by
// entry through live_combos.h, rather than as tables that every load would
// fill for races nobody looks at.
//
// Everything is preallocated by create(); applying a record allocates
// nothing.

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "raceday/day_capacity.h"
#include "raceday/live_values.h"
#include "store/live_record_checks.h"
#include "text/fixed_text.h"
#include "text/sjis.h"

namespace vantor {

inline constexpr int kLiveCourses = 10;  // JRA racecourse codes 01-10
inline constexpr int kLiveRacesPerCourse = 12;
inline constexpr int kBracketPairs = 36;        // 1-1 ... 8-8
inline constexpr int kQuinellaPairs = 153;      // 01-02 ... 17-18
inline constexpr int kWinSeriesCapacity = 288;  // one a minute for almost five hours

// An announce time MMDDhhmm as the record carries it, with its place in
// time order (a race in early January may hold December announcements).
struct LiveTime {
    FixedText<8> text;
    std::int32_t order = -1;  // -1: no announcement

    bool present() const { return order >= 0; }
    friend bool operator==(const LiveTime&, const LiveTime&) = default;
};

struct JockeySide {
    LiveNumber futan;  // carried weight, tenths of kg
    FixedText<5> code;
    FixedText<34> name;
    FixedText<1> minarai;

    friend bool operator==(const JockeySide&, const JockeySide&) = default;
};

struct LiveRunner {
    // WH
    LiveNumber weight;        // kg, notWeighed, scratched, none
    LiveNumber weightChange;  // signed kg, notWeighed, none
    // O1
    LiveNumber winOdds, winNinki;
    LiveNumber placeOddsLow, placeOddsHigh, placeNinki;
    // AV: data kind "1" scratched (出走取消), "2" excluded (競走除外); empty none
    FixedText<1> scratch;
    FixedText<3> scratchReason;  // 001 illness, 002 accident, 003 other
    LiveTime scratchTime;
    // JC, the latest announcement
    LiveTime jockeyTime;
    JockeySide jockeyAfter, jockeyBefore;

    friend bool operator==(const LiveRunner&, const LiveRunner&) = default;
};

struct PairOdds {
    std::uint8_t first = 0, second = 0;  // 0: no entry
    LiveNumber odds, ninki;

    friend bool operator==(const PairOdds&, const PairOdds&) = default;
};

// What an odds record says of itself.
struct OddsSnapshot {
    bool present = false;
    FixedText<1> dataKind;  // 1 interim, 2 day before, 3 final, 4/5 confirmed, 9 race cancelled, 0 deleted
    LiveTime time;          // set on interim odds only
    std::int32_t starters = 0;

    friend bool operator==(const OddsSnapshot&, const OddsSnapshot&) = default;
};

// The kinds of odds a race keeps as records: O3 quinella-place (ワイド), O4
// exacta (馬単), O5 trio (3連複), O6 trifecta (3連単).
enum class ComboKind : std::uint8_t { wide, exacta, trio, trifecta };
inline constexpr int kComboKinds = 4;

struct ComboSnapshot {
    OddsSnapshot snapshot;
    FixedText<1> sale;  // 0 none, 1 cancelled before, 3 after, 7 on sale
    SjisString record;  // the latest record without its CR LF; empty for none

    friend bool operator==(const ComboSnapshot&, const ComboSnapshot&) = default;
};

struct WinSeriesPoint {
    LiveTime time;
    PerRunner<LiveNumber> odds, ninki;

    friend bool operator==(const WinSeriesPoint&, const WinSeriesPoint&) = default;
};

struct LiveRace {
    bool present = false;
    FixedText<16> raceKey;  // of the latest record; meeting and day as that record says
    // TC
    LiveTime postTimeChange;
    FixedText<4> postTime, postTimeBefore;
    // CC
    LiveTime courseChange;
    std::int32_t distance = 0, distanceBefore = 0;
    FixedText<2> track, trackBefore;
    FixedText<1> courseChangeReason;  // 1 strong wind, 2 typhoon, 3 snow, 4 other
    // WH
    LiveTime weightsTime;
    // O1 (win, place, bracket quinella) and O2 (quinella)
    OddsSnapshot winPlace;
    FixedText<1> winSale, placeSale, bracketSale;  // 0 none, 1 cancelled before, 3 after, 7 on sale
    std::array<PairOdds, kBracketPairs> bracket;
    OddsSnapshot quinella;
    FixedText<1> quinellaSale;
    std::array<PairOdds, kQuinellaPairs> quinellaPairs;
    // O3-O6, at ComboKind
    std::array<ComboSnapshot, kComboKinds> combos;
    // O1 of the time series, in time order, each announcement once
    std::vector<WinSeriesPoint> winSeries;

    PerRunner<LiveRunner> runners;  // slot = horse number - 1

    friend bool operator==(const LiveRace&, const LiveRace&) = default;
};

struct LiveCourse {
    bool present = false;
    LiveTime weatherTime, goingTime;
    FixedText<1> weather;               // 1 晴, 2 曇, 3 雨, 4 小雨, 5 雪, 6 小雪
    FixedText<1> turfGoing, dirtGoing;  // 1 良, 2 稍重, 3 重, 4 不良

    friend bool operator==(const LiveCourse&, const LiveCourse&) = default;
};

class LiveDay {
public:
    static std::unique_ptr<LiveDay> create();

    // Forgets everything; the day is "yyyymmdd".
    void reset(SjisView day);

    // One complete answer of dataspec, its records in delivery order (with or
    // without their CR LF).
    void applyAnswer(LiveDataspec dataspec, std::span<const SjisView> records);

    SjisView day() const { return day_; }
    // The race of a racecourse code "05" and race number 1-12; null when the
    // state holds nothing of it.
    const LiveRace* race(SjisView course, int raceNum) const;
    const LiveCourse* course(SjisView course) const;
    // The races the state holds, in the order they were first named.
    std::span<const LiveRace> races() const { return {races_.data(), racesUsed_}; }
    std::span<const LiveSkip> skipped() const { return skips_.entries(); }

private:
    LiveDay();
    void clearDayChanges();
    void apply(LiveDataspec dataspec, SjisView record);
    // The race slot or racecourse a checked record names, the race slot
    // taken on first use; null when all are taken.
    LiveRace* raceOf(SjisView record);
    LiveCourse* courseOf(SjisView record);
    LiveTime timeOf(SjisView announce) const;

    void applyWeights(LiveRace& race, SjisView record);
    void applyScratch(LiveRunner& runner, SjisView record);
    void applyJockey(LiveRunner& runner, SjisView record);
    void applyPostTime(LiveRace& race, SjisView record);
    void applyCourseChange(LiveRace& race, SjisView record);
    void applyWeather(LiveCourse& course, SjisView record);
    void applyWinPlace(LiveRace& race, SjisView record);
    void applyQuinella(LiveRace& race, SjisView record);
    void applyCombo(ComboSnapshot& combo, SjisView record);
    void applySeries(LiveRace& race, SjisView record);

    FixedText<8> day_;
    std::array<LiveRace, kMaxRaces> races_;
    std::size_t racesUsed_ = 0;
    // The race slot of racecourse c (0-9) and race number r (1-12) at
    // c * 12 + r - 1; -1 when none.
    std::array<std::int8_t, kLiveCourses * kLiveRacesPerCourse> slotOf_;
    std::array<LiveCourse, kLiveCourses> courses_;
    LiveSkips skips_;
};

}  // namespace vantor
