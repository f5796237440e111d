#pragma once
// Byte layouts of the predicted-odds lines: the day's ".yoz" file and the
// two odds services' files it is made from, JRDB base odds ("Oz" + yymmdd
// + ".txt") and KOL predicted odds ("kol_ods.kd2"). One line per race,
// ending in CR LF. Like the JV-Data layouts (jvdata_structure.h), each list
// is the one table of its line: it declares the field constants read by
// the import, written by the demo generator and checked by the tests, and
// the compiler checks that every byte before the CR LF belongs to exactly
// one field.
//
// X(name, pos, len, count, stride, column, comment), as for the records.
//
// ".yoz": odds as decimals with one fractional digit, right-aligned; blanks
// where there are none.
//
// JRDB: odds as decimals ("%5.1f", "%5.0f" from 1000 on), blanks where
// there are none.
//
// KOL: odds as whole tenths right-aligned; "*" where the service has no
// figure for a runner, "-" where there is no runner or pair. Its
// racecourse numbers are its own: "00" Kyoto, "01" Hanshin, "02" Chukyo,
// "03" Kokura, "04" Tokyo, "05" Nakayama, "06" Fukushima, "07" Niigata,
// "08" Sapporo, "09" Hakodate.

#include "record_layouts/record_field.h"

// The tables are laid out as columns: kept as written.
// clang-format off
#define VANTOR_YOZ_FIELDS(X)                                                                        \
    X(Date, 1, 8, 1, 0, date, "date yyyymmdd")                                                      \
    X(CourseCode, 9, 2, 1, 0, text, "racecourse code as the odds service gives it")                 \
    X(Kaiji, 11, 2, 1, 0, text, "meeting number")                                                   \
    X(Nichiji, 13, 2, 1, 0, text, "day of the meeting")                                             \
    X(RaceNum, 15, 2, 1, 0, text, "race number")                                                    \
    X(Source, 17, 1, 1, 0, text, "source: J JRDB, K KOL")                                           \
    X(Runners, 18, 2, 1, 0, text, "number of runners as the source gives it")                       \
    X(WinOdds, 20, 6, 18, 6, text, "win odds of horse numbers 1-18")                                \
    X(PlaceOdds, 128, 6, 18, 6, text, "place odds of horse numbers 1-18")                           \
    X(QuinellaOdds, 236, 8, 153, 8, text, "quinella odds of the horse pairs 1-2, 1-3, ..., 17-18")

#define VANTOR_JRDB_ODDS_FIELDS(X)                                                                  \
    X(JyoCD, 1, 2, 1, 0, text, "racecourse code (JRA)")                                             \
    X(Year, 3, 2, 1, 0, text, "year, two digits")                                                   \
    X(Kaiji, 5, 1, 1, 0, text, "meeting number, one hexadecimal digit")                             \
    X(Nichiji, 6, 1, 1, 0, text, "day of the meeting, one hexadecimal digit")                       \
    X(RaceNum, 7, 2, 1, 0, text, "race number")                                                     \
    X(Runners, 9, 2, 1, 0, text, "number of runners")                                               \
    X(WinOdds, 11, 5, 18, 5, text, "win odds of horse numbers 1-18")                                \
    X(PlaceOdds, 101, 5, 18, 5, text, "place odds of horse numbers 1-18")                           \
    X(QuinellaOdds, 191, 5, 153, 5, text, "quinella odds of the horse pairs 1-2, ..., 17-18")

#define VANTOR_KOL_ODDS_FIELDS(X)                                                                   \
    X(Course, 1, 2, 1, 0, text, "racecourse number of the service")                                 \
    X(Reserved1, 3, 4, 1, 0, omit, "blank")                                                         \
    X(Kaiji, 7, 2, 1, 0, text, "meeting number")                                                    \
    X(Nichiji, 9, 2, 1, 0, text, "day of the meeting")                                              \
    X(RaceNum, 11, 2, 1, 0, text, "race number")                                                    \
    X(Date, 13, 8, 1, 0, date, "date yyyymmdd")                                                     \
    X(RaceName, 21, 60, 1, 0, text, "race name, blank-padded")                                      \
    X(Reserved2, 81, 29, 1, 0, omit, "blank")                                                       \
    X(Runners, 110, 2, 1, 0, text, "number of runners")                                             \
    X(Reserved3, 112, 50, 1, 0, omit, "blank")                                                      \
    X(WinOdds, 162, 5, 18, 5, text, "win odds of horse numbers 1-18, tenths")                       \
    X(BracketOdds, 252, 5, 36, 5, text, "bracket-quinella odds of the pairs 1-1, 1-2, ..., 8-8, tenths") \
    X(QuinellaOdds, 432, 7, 153, 7, text, "quinella odds of the horse pairs, tenths")

#define VANTOR_ODDS_DECLARE_FIELD(name, pos, len, count, stride, column, comment) \
    inline constexpr jvdata::Field name{pos, len, count, stride};
#define VANTOR_ODDS_DESCRIBE_FIELD(name, pos, len, count, stride, column, comment) \
    jvdata::FieldInfo{#name, jvdata::Field{pos, len, count, stride}, comment, jvdata::columns::column},

namespace vantor {

namespace yoz { VANTOR_YOZ_FIELDS(VANTOR_ODDS_DECLARE_FIELD) }
namespace jrdb { VANTOR_JRDB_ODDS_FIELDS(VANTOR_ODDS_DECLARE_FIELD) }
namespace kol { VANTOR_KOL_ODDS_FIELDS(VANTOR_ODDS_DECLARE_FIELD) }
// clang-format on

namespace yoz {
inline constexpr std::size_t kLength = 1461;
inline constexpr int kHorses = 18;
inline constexpr int kHorsePairs = 153;
inline constexpr auto kFields = std::to_array<jvdata::FieldInfo>({VANTOR_YOZ_FIELDS(VANTOR_ODDS_DESCRIBE_FIELD)});
static_assert(jvdata::coversRecordExactly<kLength>(kFields), ".yoz layout must cover 1459 bytes exactly");
static_assert(WinOdds.count == kHorses && PlaceOdds.count == kHorses && QuinellaOdds.count == kHorsePairs);
}  // namespace yoz

namespace jrdb {
inline constexpr std::size_t kLength = 957;
inline constexpr auto kFields = std::to_array<jvdata::FieldInfo>({VANTOR_JRDB_ODDS_FIELDS(VANTOR_ODDS_DESCRIBE_FIELD)});
static_assert(jvdata::coversRecordExactly<kLength>(kFields), "JRDB odds layout must cover 955 bytes exactly");
// Each field goes to its ".yoz" field whole, behind the blanks that widen it.
static_assert(WinOdds.count == yoz::kHorses && PlaceOdds.count == yoz::kHorses &&
              QuinellaOdds.count == yoz::kHorsePairs);
static_assert(JyoCD.len == yoz::CourseCode.len && Kaiji.len < yoz::Kaiji.len && Nichiji.len < yoz::Nichiji.len &&
              RaceNum.len == yoz::RaceNum.len && Runners.len == yoz::Runners.len);
static_assert(WinOdds.len < yoz::WinOdds.len && PlaceOdds.len < yoz::PlaceOdds.len &&
              QuinellaOdds.len < yoz::QuinellaOdds.len);
}  // namespace jrdb

namespace kol {
inline constexpr std::size_t kLength = 1504;
inline constexpr int kBracketPairs = 36;
inline constexpr auto kFields = std::to_array<jvdata::FieldInfo>({VANTOR_KOL_ODDS_FIELDS(VANTOR_ODDS_DESCRIBE_FIELD)});
static_assert(jvdata::coversRecordExactly<kLength>(kFields), "KOL odds layout must cover 1502 bytes exactly");
static_assert(WinOdds.count == yoz::kHorses && QuinellaOdds.count == yoz::kHorsePairs &&
              BracketOdds.count == kBracketPairs);
// Tenths in 5 and 7 characters never need more than the ".yoz" field's
// width as "%6.1f" and "%8.1f".
static_assert(WinOdds.len + 1 == yoz::WinOdds.len && QuinellaOdds.len + 1 == yoz::QuinellaOdds.len);
static_assert(Date.len == yoz::Date.len && Course.len == yoz::CourseCode.len && Kaiji.len == yoz::Kaiji.len &&
              Nichiji.len == yoz::Nichiji.len && RaceNum.len == yoz::RaceNum.len && Runners.len == yoz::Runners.len);
}  // namespace kol

inline constexpr jvdata::RecordLayout kYozLayout{"", yoz::kLength, yoz::kFields};
inline constexpr jvdata::RecordLayout kJrdbOddsLayout{"", jrdb::kLength, jrdb::kFields};
inline constexpr jvdata::RecordLayout kKolOddsLayout{"", kol::kLength, kol::kFields};

}  // namespace vantor

#undef VANTOR_ODDS_DECLARE_FIELD
#undef VANTOR_ODDS_DESCRIBE_FIELD
