#pragma once
// Checks that a live record of a real-time answer may be used: its kind is
// one the answer's dataspec delivers, it is one line of its layout's
// length, it names a JRA race (or racecourse) of the day, and every horse
// number in it is 01-18. A record that fails is counted by kind and
// reason, never used.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "text/fixed_text.h"
#include "text/sjis.h"

namespace vantor {

// The real-time dataspecs of the race day's live data.
enum class LiveDataspec : std::uint8_t {
    weights,        // 0B11: WH
    dayChanges,     // 0B14: WE AV JC TC CC
    odds,           // 0B30: O1-O6
    winOddsSeries,  // 0B41: O1, one per announcement
};

enum class LiveSkipReason : std::uint8_t {
    length,       // not one line of the layout's length
    kind,         // a kind the dataspec does not deliver
    race,         // not a JRA race (or racecourse) of the day
    horseNumber,  // a horse number outside 01-18
    changeKind,   // a WE change kind other than 1-3
    seriesFull,   // a race's time series is full
};

// Why the record (without its CR LF) of an answer of dataspec on day
// "yyyymmdd" cannot be used; none when it can.
std::optional<LiveSkipReason> liveRecordProblem(LiveDataspec dataspec, SjisView record, SjisView day);

// A horse number field: 1-18, 0 for an empty entry ("00" or blanks), -1
// for anything else.
int liveHorseNumber(SjisView text);
// 0-9 for the JRA racecourse codes "01".."10", -1 for any other.
int liveCourseIndex(SjisView code);

// The place in time order of an announce time MMDDhhmm (no year) on race
// day "yyyymmdd": "00000000" (the first state) and anything that is no
// time come first (0); a later month-day than the race day's is of the
// year before.
std::int32_t liveAnnounceOrder(SjisView announce, SjisView day);

struct LiveSkip {
    LiveSkipReason reason;
    FixedText<2> kind;  // the record's first two bytes
    int count = 0;
};

// Skipped records counted by kind and reason, in the order first met.
class LiveSkips {
public:
    void count(LiveSkipReason reason, SjisView record);
    void clear() { used_ = 0; }
    std::span<const LiveSkip> entries() const { return {entries_.data(), used_}; }

private:
    std::array<LiveSkip, 64> entries_;
    std::size_t used_ = 0;
};

// "WH 2件 長さが違う" (UTF-8): the count of a skip and why.
std::string liveSkipText(const LiveSkip& skip);

}  // namespace vantor
