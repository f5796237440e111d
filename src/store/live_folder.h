#pragma once
// What a race day's live folder, Live/<yyyymmdd>/, holds: one file per
// dataspec and kind, each line a record as the real-time service delivered
// it (CR LF):
//
//   changes.jvd     the day's last complete 0B14 answer: WE, AV, JC, TC and
//                   CC in delivery order (a withdrawn change is gone with the
//                   answer that no longer holds it)
//   weights.jvd     the latest WH of each race, one line per race key, in
//                   race-key order
//   odds_O1.jvd     the latest O1 of each race from 0B30, likewise; O2 to O6
//   ... odds_O6.jvd in odds_O2.jvd ... odds_O6.jvd
//   series.jvd      every race's 0B41 O1 records, one line per race key and
//                   announce time, in race-key and then time order
//
// A folder written before the day files were kept whole holds, in place of
// odds_O3.jvd ... odds_O6.jvd and series.jvd, one file per race and kind:
// <JJ><RR>_O3.jvd ... <JJ><RR>_O6.jvd (the race's latest record) and
// <JJ><RR>_series.jvd (its series), JJ the racecourse code and RR the race
// number. Their records count where the day's file of their kind is absent;
// the next write of that file takes them in and removes them.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "fileio/whole_file.h"
#include "store/live_record_checks.h"

namespace vantor {

enum class LiveFileId : std::uint8_t { changes, weights, oddsO1, oddsO2, oddsO3, oddsO4, oddsO5, oddsO6, series };
inline constexpr std::size_t kLiveFileCount = 9;

// How a file takes an answer's records.
enum class LiveFileRule : std::uint8_t {
    whole,     // the last complete answer, and nothing else
    byRace,    // one line per race key, in race-key order
    bySeries,  // one line per race key and announce time, in that order
};

struct LiveFileInfo {
    LiveFileId id;
    std::string_view name;
    LiveDataspec dataspec;  // of the answers it holds
    LiveFileRule rule;
    std::size_t recordLength;  // with CR LF; 0 for records of several kinds
    ReadBound bound;           // what a reader takes of it: what it can sensibly hold
};

// The files of a day's live folder, in LiveFileId order.
std::span<const LiveFileInfo> liveFiles();
const LiveFileInfo& liveFile(LiveFileId id);

// The day's file of the 0B30 records of kind "O1" ... "O6"; none for any
// other kind.
std::optional<LiveFileId> liveOddsFile(SjisView kind);

// A file name of a day's live folder: the day's file it is, or, for a
// per-race file of the earlier layout, the day's file that holds its
// records now (earlier set). None for any other name.
struct LiveFolderName {
    LiveFileId id;
    bool earlier = false;
    ReadBound bound;  // what a reader takes of it
};
std::optional<LiveFolderName> liveFolderName(std::string_view name);

}  // namespace vantor
