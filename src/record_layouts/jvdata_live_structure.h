#pragma once
// Byte layouts of the race day's live JV-Data records, as the real-time
// service delivers them: body weights (WH), scratches and exclusions (AV),
// jockey changes (JC), post-time changes (TC), course changes (CC), weather
// and going (WE), and the win, place and bracket quinella odds (O1) and
// quinella odds (O2).
//
// The tables are written as those of jvdata_structure.h, with the same
// X(name, pos, len, count, stride, column, comment) fields and the same
// compile-time check that every byte belongs to exactly one field.
//
// Odds, popularity and weight fields carry markers besides numbers: a field
// all "-" (cancelled before sale), all "*" (cancelled after sale), all "0"
// (no votes), blanks (no entry); a weight "999" (not weighed) or "000"
// (scratched). They are read as states, not as numbers.

#include "record_layouts/jvdata_structure.h"

// Race-keyed live records start with the header, the race key and the
// announce time.
#define VANTOR_JV_LIVE_RACE_HEADER_FIELDS(X)                                                        \
    VANTOR_JV_HEADER_FIELDS(X)                                                                      \
    VANTOR_JV_RACE_KEY_FIELDS(X)                                                                    \
    X(HappyoTime, 28, 8, 1, 0, text, "announce time MMDDhhmm; 00000000 on final odds")

#define VANTOR_JV_WH_FIELDS(X)                                                                      \
    VANTOR_JV_LIVE_RACE_HEADER_FIELDS(X)                                                            \
    X(Umaban, 36, 2, 18, 45, integer, "horse number; 00 or blanks: empty entry")                    \
    X(Bamei, 38, 36, 18, 45, text, "horse name")                                                    \
    X(BaTaijyu, 74, 3, 18, 45, integer, "body weight kg; 999 not weighed, 000 scratched")           \
    X(ZogenFugo, 77, 1, 18, 45, text, "change sign: +, - or blank")                                 \
    X(ZogenSa, 78, 3, 18, 45, integer, "change kg; 999 not weighed, blanks first run or scratched")

#define VANTOR_JV_AV_FIELDS(X)                                                                      \
    VANTOR_JV_LIVE_RACE_HEADER_FIELDS(X)                                                            \
    X(Umaban, 36, 2, 1, 0, integer, "horse number")                                                 \
    X(Bamei, 38, 36, 1, 0, text, "horse name")                                                      \
    X(JiyuKubun, 74, 3, 1, 0, text, "reason: 001 illness, 002 accident, 003 other; 000 unset")

#define VANTOR_JV_JC_FIELDS(X)                                                                      \
    VANTOR_JV_LIVE_RACE_HEADER_FIELDS(X)                                                            \
    X(Umaban, 36, 2, 1, 0, integer, "horse number")                                                 \
    X(Bamei, 38, 36, 1, 0, text, "horse name")                                                      \
    X(Futan, 74, 3, 1, 0, dec(1), "after: carried weight, tenths of kg")                            \
    X(KisyuCode, 77, 5, 1, 0, text, "after: jockey code; zeros while undecided")                    \
    X(KisyuName, 82, 34, 1, 0, text, "after: jockey name")                                          \
    X(MinaraiCD, 116, 1, 1, 0, text, "after: apprentice code")                                      \
    X(FutanBefore, 117, 3, 1, 0, dec(1), "before: carried weight, tenths of kg")                    \
    X(KisyuCodeBefore, 120, 5, 1, 0, text, "before: jockey code")                                   \
    X(KisyuNameBefore, 125, 34, 1, 0, text, "before: jockey name")                                  \
    X(MinaraiCDBefore, 159, 1, 1, 0, text, "before: apprentice code")

#define VANTOR_JV_TC_FIELDS(X)                                                                      \
    VANTOR_JV_LIVE_RACE_HEADER_FIELDS(X)                                                            \
    X(HassoTime, 36, 4, 1, 0, text, "new post time hhmm")                                           \
    X(HassoTimeBefore, 40, 4, 1, 0, text, "post time before the change")

#define VANTOR_JV_CC_FIELDS(X)                                                                      \
    VANTOR_JV_LIVE_RACE_HEADER_FIELDS(X)                                                            \
    X(Kyori, 36, 4, 1, 0, integer, "new distance m")                                                \
    X(TrackCD, 40, 2, 1, 0, text, "new track code")                                                 \
    X(KyoriBefore, 42, 4, 1, 0, integer, "distance before the change")                              \
    X(TrackCDBefore, 46, 2, 1, 0, text, "track code before the change")                             \
    X(JiyuCD, 48, 1, 1, 0, text, "reason: 1 strong wind, 2 typhoon, 3 snow, 4 other")

// Per racecourse and day: no race number, the announce time right after
// the day of the meeting.
#define VANTOR_JV_WE_FIELDS(X)                                                                      \
    VANTOR_JV_HEADER_FIELDS(X)                                                                      \
    X(Year, 12, 4, 1, 0, omit, "year")                                                              \
    X(MonthDay, 16, 4, 1, 0, omit, "month and day mmdd")                                            \
    X(JyoCD, 20, 2, 1, 0, text, "racecourse code")                                                  \
    X(Kaiji, 22, 2, 1, 0, integer, "meeting number")                                                \
    X(Nichiji, 24, 2, 1, 0, integer, "day of the meeting")                                          \
    X(HappyoTime, 26, 8, 1, 0, text, "announce time MMDDhhmm; 00000000 the day's first state")      \
    X(HenkoID, 34, 1, 1, 0, text, "change kind: 1 initial, 2 weather, 3 going")                     \
    X(TenkoCD, 35, 1, 1, 0, text, "weather now")                                                    \
    X(SibaBabaCD, 36, 1, 1, 0, text, "turf going now")                                              \
    X(DirtBabaCD, 37, 1, 1, 0, text, "dirt going now")                                              \
    X(TenkoCDBefore, 38, 1, 1, 0, text, "weather before the change")                                \
    X(SibaBabaCDBefore, 39, 1, 1, 0, text, "turf going before the change")                          \
    X(DirtBabaCDBefore, 40, 1, 1, 0, text, "dirt going before the change")

#define VANTOR_JV_O1_FIELDS(X)                                                                      \
    VANTOR_JV_LIVE_RACE_HEADER_FIELDS(X)                                                            \
    X(TorokuTosu, 36, 2, 1, 0, integer, "entries")                                                  \
    X(SyussoTosu, 38, 2, 1, 0, integer, "starters")                                                 \
    X(TansyoFlag, 40, 1, 1, 0, text, "win sale: 0 none, 1 cancelled before, 3 after, 7 on sale")    \
    X(FukusyoFlag, 41, 1, 1, 0, text, "place sale")                                                 \
    X(WakurenFlag, 42, 1, 1, 0, text, "bracket quinella sale")                                      \
    X(FukuChakuBaraiKey, 43, 1, 1, 0, text, "place pays to: 0 none, 2 or 3")                        \
    X(TanUmaban, 44, 2, 28, 8, integer, "win: horse number")                                        \
    X(TanOdds, 46, 4, 28, 8, dec(1), "win: odds, tenths; 9999 is 999.9 or more")                    \
    X(TanNinki, 50, 2, 28, 8, integer, "win: popularity")                                           \
    X(FukuUmaban, 268, 2, 28, 12, integer, "place: horse number")                                   \
    X(FukuOddsLow, 270, 4, 28, 12, dec(1), "place: lowest odds, tenths")                            \
    X(FukuOddsHigh, 274, 4, 28, 12, dec(1), "place: highest odds, tenths")                          \
    X(FukuNinki, 278, 2, 28, 12, integer, "place: popularity")                                      \
    X(WakurenKumi, 604, 2, 36, 9, text, "bracket quinella: pair, 12 is 1-2")                        \
    X(WakurenOdds, 606, 5, 36, 9, dec(1), "bracket quinella: odds, tenths")                         \
    X(WakurenNinki, 611, 2, 36, 9, integer, "bracket quinella: popularity")                         \
    X(TanHyoTotal, 928, 11, 1, 0, integer, "win vote total, 100-yen units")                         \
    X(FukuHyoTotal, 939, 11, 1, 0, integer, "place vote total")                                     \
    X(WakurenHyoTotal, 950, 11, 1, 0, integer, "bracket quinella vote total")

#define VANTOR_JV_O2_FIELDS(X)                                                                      \
    VANTOR_JV_LIVE_RACE_HEADER_FIELDS(X)                                                            \
    X(TorokuTosu, 36, 2, 1, 0, integer, "entries")                                                  \
    X(SyussoTosu, 38, 2, 1, 0, integer, "starters")                                                 \
    X(UmarenFlag, 40, 1, 1, 0, text, "quinella sale")                                               \
    X(UmarenKumi, 41, 4, 153, 13, text, "quinella: pair 0102, ascending")                           \
    X(UmarenOdds, 45, 6, 153, 13, dec(1), "quinella: odds, tenths")                                 \
    X(UmarenNinki, 51, 3, 153, 13, integer, "quinella: popularity")                                 \
    X(UmarenHyoTotal, 2030, 11, 1, 0, integer, "quinella vote total")

// Quinella-place (O3), exacta (O4), trio (O5) and trifecta (O6): after the
// header the same counts and sale flag as O2, then the entries in ascending
// combination order and the vote total.
#define VANTOR_JV_COMBO_HEAD_FIELDS(X)                                                              \
    VANTOR_JV_LIVE_RACE_HEADER_FIELDS(X)                                                            \
    X(TorokuTosu, 36, 2, 1, 0, integer, "entries")                                                  \
    X(SyussoTosu, 38, 2, 1, 0, integer, "starters")                                                 \
    X(HatubaiFlag, 40, 1, 1, 0, text, "sale: 0 none, 1 cancelled before, 3 after, 7 on sale")

#define VANTOR_JV_O3_FIELDS(X)                                                                      \
    VANTOR_JV_COMBO_HEAD_FIELDS(X)                                                                  \
    X(Kumi, 41, 4, 153, 17, text, "quinella-place: pair 0102, ascending")                           \
    X(OddsLow, 45, 5, 153, 17, dec(1), "quinella-place: lowest odds, tenths")                       \
    X(OddsHigh, 50, 5, 153, 17, dec(1), "quinella-place: highest odds, tenths")                     \
    X(Ninki, 55, 3, 153, 17, integer, "quinella-place: popularity")                                 \
    X(HyoTotal, 2642, 11, 1, 0, integer, "quinella-place vote total")

#define VANTOR_JV_O4_FIELDS(X)                                                                      \
    VANTOR_JV_COMBO_HEAD_FIELDS(X)                                                                  \
    X(Kumi, 41, 4, 306, 13, text, "exacta: first and second 0102, ascending")                       \
    X(Odds, 45, 6, 306, 13, dec(1), "exacta: odds, tenths")                                         \
    X(Ninki, 51, 3, 306, 13, integer, "exacta: popularity")                                         \
    X(HyoTotal, 4019, 11, 1, 0, integer, "exacta vote total")

#define VANTOR_JV_O5_FIELDS(X)                                                                      \
    VANTOR_JV_COMBO_HEAD_FIELDS(X)                                                                  \
    X(Kumi, 41, 6, 816, 15, text, "trio: 010203, ascending")                                        \
    X(Odds, 47, 6, 816, 15, dec(1), "trio: odds, tenths")                                           \
    X(Ninki, 53, 3, 816, 15, integer, "trio: popularity")                                           \
    X(HyoTotal, 12281, 11, 1, 0, integer, "trio vote total")

// The trifecta's vote total (11 bytes at 83273) lies beyond the positions a
// field holds; nothing reads it.
#define VANTOR_JV_O6_FIELDS(X)                                                                      \
    VANTOR_JV_COMBO_HEAD_FIELDS(X)                                                                  \
    X(Kumi, 41, 6, 4896, 17, text, "trifecta: first, second, third 010203, ascending")              \
    X(Odds, 47, 7, 4896, 17, dec(1), "trifecta: odds, tenths")                                      \
    X(Ninki, 54, 4, 4896, 17, integer, "trifecta: popularity")

#define VANTOR_JV_DECLARE_FIELD(name, pos, len, count, stride, column, comment) \
    inline constexpr Field name{pos, len, count, stride};
#define VANTOR_JV_DESCRIBE_FIELD(name, pos, len, count, stride, column, comment) \
    FieldInfo{#name, Field{pos, len, count, stride}, comment, columns::column},

namespace vantor::jvdata {

inline constexpr std::size_t kWhLength = 847;
inline constexpr std::size_t kAvLength = 78;
inline constexpr std::size_t kJcLength = 161;
inline constexpr std::size_t kTcLength = 45;
inline constexpr std::size_t kCcLength = 50;
inline constexpr std::size_t kWeLength = 42;
inline constexpr std::size_t kO1Length = 962;
inline constexpr std::size_t kO2Length = 2042;
inline constexpr std::size_t kO3Length = 2654;
inline constexpr std::size_t kO4Length = 4031;
inline constexpr std::size_t kO5Length = 12293;
inline constexpr std::size_t kO6Length = 83285;
// Vote counts of every bet type but the trifecta (H1), which the stored data
// deliver beside the final odds: read, counted and not kept.
inline constexpr std::size_t kH1Length = 28955;

namespace wh { VANTOR_JV_WH_FIELDS(VANTOR_JV_DECLARE_FIELD) }
namespace av { VANTOR_JV_AV_FIELDS(VANTOR_JV_DECLARE_FIELD) }
namespace jc { VANTOR_JV_JC_FIELDS(VANTOR_JV_DECLARE_FIELD) }
namespace tc { VANTOR_JV_TC_FIELDS(VANTOR_JV_DECLARE_FIELD) }
namespace cc { VANTOR_JV_CC_FIELDS(VANTOR_JV_DECLARE_FIELD) }
namespace we { VANTOR_JV_WE_FIELDS(VANTOR_JV_DECLARE_FIELD) }
namespace o1 { VANTOR_JV_O1_FIELDS(VANTOR_JV_DECLARE_FIELD) }
namespace o2 { VANTOR_JV_O2_FIELDS(VANTOR_JV_DECLARE_FIELD) }
namespace o3 { VANTOR_JV_O3_FIELDS(VANTOR_JV_DECLARE_FIELD) }
namespace o4 { VANTOR_JV_O4_FIELDS(VANTOR_JV_DECLARE_FIELD) }
namespace o5 { VANTOR_JV_O5_FIELDS(VANTOR_JV_DECLARE_FIELD) }
namespace o6 { VANTOR_JV_O6_FIELDS(VANTOR_JV_DECLARE_FIELD) }

inline constexpr auto kWhFields = std::to_array<FieldInfo>({VANTOR_JV_WH_FIELDS(VANTOR_JV_DESCRIBE_FIELD)});
inline constexpr auto kAvFields = std::to_array<FieldInfo>({VANTOR_JV_AV_FIELDS(VANTOR_JV_DESCRIBE_FIELD)});
inline constexpr auto kJcFields = std::to_array<FieldInfo>({VANTOR_JV_JC_FIELDS(VANTOR_JV_DESCRIBE_FIELD)});
inline constexpr auto kTcFields = std::to_array<FieldInfo>({VANTOR_JV_TC_FIELDS(VANTOR_JV_DESCRIBE_FIELD)});
inline constexpr auto kCcFields = std::to_array<FieldInfo>({VANTOR_JV_CC_FIELDS(VANTOR_JV_DESCRIBE_FIELD)});
inline constexpr auto kWeFields = std::to_array<FieldInfo>({VANTOR_JV_WE_FIELDS(VANTOR_JV_DESCRIBE_FIELD)});
inline constexpr auto kO1Fields = std::to_array<FieldInfo>({VANTOR_JV_O1_FIELDS(VANTOR_JV_DESCRIBE_FIELD)});
inline constexpr auto kO2Fields = std::to_array<FieldInfo>({VANTOR_JV_O2_FIELDS(VANTOR_JV_DESCRIBE_FIELD)});
inline constexpr auto kO3Fields = std::to_array<FieldInfo>({VANTOR_JV_O3_FIELDS(VANTOR_JV_DESCRIBE_FIELD)});
inline constexpr auto kO4Fields = std::to_array<FieldInfo>({VANTOR_JV_O4_FIELDS(VANTOR_JV_DESCRIBE_FIELD)});
inline constexpr auto kO5Fields = std::to_array<FieldInfo>({VANTOR_JV_O5_FIELDS(VANTOR_JV_DESCRIBE_FIELD)});
inline constexpr auto kO6Fields = std::to_array<FieldInfo>({VANTOR_JV_O6_FIELDS(VANTOR_JV_DESCRIBE_FIELD)});

static_assert(coversRecordExactly<kWhLength>(kWhFields), "WH layout must cover 845 bytes exactly");
static_assert(coversRecordExactly<kAvLength>(kAvFields), "AV layout must cover 76 bytes exactly");
static_assert(coversRecordExactly<kJcLength>(kJcFields), "JC layout must cover 159 bytes exactly");
static_assert(coversRecordExactly<kTcLength>(kTcFields), "TC layout must cover 43 bytes exactly");
static_assert(coversRecordExactly<kCcLength>(kCcFields), "CC layout must cover 48 bytes exactly");
static_assert(coversRecordExactly<kWeLength>(kWeFields), "WE layout must cover 40 bytes exactly");
static_assert(coversRecordExactly<kO1Length>(kO1Fields), "O1 layout must cover 960 bytes exactly");
static_assert(coversRecordExactly<kO2Length>(kO2Fields), "O2 layout must cover 2040 bytes exactly");
static_assert(coversRecordExactly<kO3Length>(kO3Fields), "O3 layout must cover 2652 bytes exactly");
static_assert(coversRecordExactly<kO4Length>(kO4Fields), "O4 layout must cover 4029 bytes exactly");
static_assert(coversRecordExactly<kO5Length>(kO5Fields), "O5 layout must cover 12291 bytes exactly");
static_assert(o6::Ninki.at(o6::Ninki.count) + o6::Ninki.len - 1 + 11 == kO6Length - 2,
              "O6 entries must end just before the 11-byte vote total");

inline constexpr RecordLayout kWhLayout{"WH", kWhLength, kWhFields};
inline constexpr RecordLayout kAvLayout{"AV", kAvLength, kAvFields};
inline constexpr RecordLayout kJcLayout{"JC", kJcLength, kJcFields};
inline constexpr RecordLayout kTcLayout{"TC", kTcLength, kTcFields};
inline constexpr RecordLayout kCcLayout{"CC", kCcLength, kCcFields};
inline constexpr RecordLayout kWeLayout{"WE", kWeLength, kWeFields};
inline constexpr RecordLayout kO1Layout{"O1", kO1Length, kO1Fields};
inline constexpr RecordLayout kO2Layout{"O2", kO2Length, kO2Fields};
inline constexpr RecordLayout kO3Layout{"O3", kO3Length, kO3Fields};
inline constexpr RecordLayout kO4Layout{"O4", kO4Length, kO4Fields};
inline constexpr RecordLayout kO5Layout{"O5", kO5Length, kO5Fields};
inline constexpr RecordLayout kO6Layout{"O6", kO6Length, kO6Fields};

// The live layouts, for readers that pick one by the record's kind.
inline constexpr RecordLayout kLiveLayouts[] = {kWhLayout, kAvLayout, kJcLayout, kTcLayout,
                                                kCcLayout, kWeLayout, kO1Layout, kO2Layout};

}  // namespace vantor::jvdata

#undef VANTOR_JV_DECLARE_FIELD
#undef VANTOR_JV_DESCRIBE_FIELD
