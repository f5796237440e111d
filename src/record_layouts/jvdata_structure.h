#pragma once
// Byte layouts of the JV-Data records the program keeps: race details (RA),
// runner details (SE), payouts (HR) and the horse master (UM) in its current
// 1609-byte layout and its earlier 1577-byte one.
//
// Each list below is the one table of its record kind: it declares the
// field constants (jvdata::ra::Kyori, ...) used by the parser, and the
// named table (kRaLayout, ...) walked by the generator, the tests and the
// record dumper. Every byte of a record belongs to exactly one field; the
// compiler checks it.
//
// X(name, pos, len, count, stride, column, comment): pos is 1-based; a field
// with count > 1 repeats every stride bytes. column is how the SQL export
// writes the field (record_field.h): omit, text, integer, date, dec(n) for a
// number in units of 10^-n, minSec(n) for a time "mss" with n more digits of
// fractions of a second.

#include "record_layouts/record_field.h"

// The tables are laid out as columns: kept as written.
// clang-format off
// Fields every record kind starts with.
#define VANTOR_JV_HEADER_FIELDS(X)                                                                  \
    X(RecordSpec, 1, 2, 1, 0, omit, "record kind")                                                  \
    X(DataKubun, 3, 1, 1, 0, text, "data kind: 1-7 normal stages, A local, B overseas")             \
    X(MakeDate, 4, 8, 1, 0, date, "creation date yyyymmdd")

#define VANTOR_JV_RACE_KEY_FIELDS(X)                                                                \
    X(Year, 12, 4, 1, 0, omit, "year of the race")                                                  \
    X(MonthDay, 16, 4, 1, 0, omit, "month and day mmdd")                                            \
    X(JyoCD, 20, 2, 1, 0, text, "racecourse code")                                                  \
    X(Kaiji, 22, 2, 1, 0, integer, "meeting number")                                                \
    X(Nichiji, 24, 2, 1, 0, integer, "day of the meeting")                                          \
    X(RaceNum, 26, 2, 1, 0, integer, "race number")

#define VANTOR_JV_RA_FIELDS(X)                                                                      \
    VANTOR_JV_HEADER_FIELDS(X)                                                                      \
    VANTOR_JV_RACE_KEY_FIELDS(X)                                                                    \
    X(YoubiCD, 28, 1, 1, 0, text, "weekday code")                                                   \
    X(TokuNum, 29, 4, 1, 0, text, "special race number")                                            \
    X(Hondai, 33, 60, 1, 0, text, "race name")                                                      \
    X(Fukudai, 93, 60, 1, 0, text, "race subtitle")                                                 \
    X(Kakko, 153, 60, 1, 0, text, "bracketed name")                                                 \
    X(HondaiEng, 213, 120, 1, 0, text, "race name in English")                                      \
    X(FukudaiEng, 333, 120, 1, 0, text, "subtitle in English")                                      \
    X(KakkoEng, 453, 120, 1, 0, text, "bracketed name in English")                                  \
    X(Ryakusyo10, 573, 20, 1, 0, text, "short name, 10 characters")                                 \
    X(Ryakusyo6, 593, 12, 1, 0, text, "short name, 6 characters")                                   \
    X(Ryakusyo3, 605, 6, 1, 0, text, "short name, 3 full-width characters")                         \
    X(Kubun, 611, 1, 1, 0, text, "name kind")                                                       \
    X(Nkai, 612, 3, 1, 0, integer, "edition number")                                                \
    X(GradeCD, 615, 1, 1, 0, text, "grade code")                                                    \
    X(GradeCDBefore, 616, 1, 1, 0, text, "grade code before change")                                \
    X(SyubetuCD, 617, 2, 1, 0, text, "race type code (age group)")                                  \
    X(KigoCD, 619, 3, 1, 0, text, "race symbol code")                                               \
    X(JyuryoCD, 622, 1, 1, 0, text, "weight-type code")                                             \
    X(JyokenCD, 623, 3, 5, 3, text, "race-condition codes: 2, 3, 4, 5 year olds, youngest")         \
    X(JyokenName, 638, 60, 1, 0, text, "race-condition name")                                       \
    X(Kyori, 698, 4, 1, 0, integer, "distance in metres")                                           \
    X(KyoriBefore, 702, 4, 1, 0, integer, "distance before change")                                 \
    X(TrackCD, 706, 2, 1, 0, text, "track code: surface and direction (codes/track_surface.h)")     \
    X(TrackCDBefore, 708, 2, 1, 0, text, "track code before change")                                \
    X(CourseKubunCD, 710, 2, 1, 0, text, "course rail code")                                        \
    X(CourseKubunCDBefore, 712, 2, 1, 0, text, "course rail code before change")                    \
    X(Honsyokin, 714, 8, 7, 8, integer, "main prize money, places 1-7, units of 100 yen")           \
    X(HonsyokinBefore, 770, 8, 5, 8, integer, "main prize money before change")                     \
    X(Fukasyokin, 810, 8, 5, 8, integer, "added prize money, places 1-5, units of 100 yen")         \
    X(FukasyokinBefore, 850, 8, 3, 8, integer, "added prize money before change")                   \
    X(HassoTime, 874, 4, 1, 0, text, "start time hhmm")                                             \
    X(HassoTimeBefore, 878, 4, 1, 0, text, "start time before change")                              \
    X(TorokuTosu, 882, 2, 1, 0, integer, "declared head count")                                     \
    X(SyussoTosu, 884, 2, 1, 0, integer, "starters")                                                \
    X(NyusenTosu, 886, 2, 1, 0, integer, "finishers")                                               \
    X(TenkoCD, 888, 1, 1, 0, text, "weather code")                                                  \
    X(SibaBabaCD, 889, 1, 1, 0, text, "turf going code")                                            \
    X(DirtBabaCD, 890, 1, 1, 0, text, "dirt going code")                                            \
    X(LapTime, 891, 3, 25, 3, dec(1), "furlong lap times, tenths of a second")                      \
    X(SyogaiMileTime, 966, 4, 1, 0, minSec(1), "jump races: mile time")                             \
    X(HaronTimeS3, 970, 3, 1, 0, dec(1), "first three furlongs")                                    \
    X(HaronTimeS4, 973, 3, 1, 0, dec(1), "first four furlongs")                                     \
    X(HaronTimeL3, 976, 3, 1, 0, dec(1), "last three furlongs")                                     \
    X(HaronTimeL4, 979, 3, 1, 0, dec(1), "last four furlongs")                                      \
    X(CornerInfo, 982, 72, 4, 72, text, "corner passing orders")                                    \
    X(RecordUpKubun, 1270, 1, 1, 0, text, "record update flag")

#define VANTOR_JV_SE_FIELDS(X)                                                                      \
    VANTOR_JV_HEADER_FIELDS(X)                                                                      \
    VANTOR_JV_RACE_KEY_FIELDS(X)                                                                    \
    X(Wakuban, 28, 1, 1, 0, integer, "bracket number")                                              \
    X(Umaban, 29, 2, 1, 0, integer, "horse number")                                                 \
    X(KettoNum, 31, 10, 1, 0, text, "horse id")                                                     \
    X(Bamei, 41, 36, 1, 0, text, "horse name")                                                      \
    X(UmaKigoCD, 77, 2, 1, 0, text, "horse-symbol code")                                            \
    X(SexCD, 79, 1, 1, 0, text, "sex code: 1 colt, 2 filly, 3 gelding")                             \
    X(HinsyuCD, 80, 1, 1, 0, text, "breed code")                                                    \
    X(KeiroCD, 81, 2, 1, 0, text, "coat-colour code")                                               \
    X(Barei, 83, 2, 1, 0, integer, "age")                                                           \
    X(TozaiCD, 85, 1, 1, 0, text, "east/west affiliation")                                          \
    X(ChokyosiCode, 86, 5, 1, 0, text, "trainer code")                                              \
    X(ChokyosiRyakusyo, 91, 8, 1, 0, text, "trainer short name")                                    \
    X(BanusiCode, 99, 6, 1, 0, text, "owner code")                                                  \
    X(BanusiName, 105, 64, 1, 0, text, "owner name")                                                \
    X(Fukusyoku, 169, 60, 1, 0, text, "racing colours")                                             \
    X(Reserved1, 229, 60, 1, 0, omit, "reserved")                                                   \
    X(Futan, 289, 3, 1, 0, dec(1), "carried weight, tenths of kg")                                  \
    X(FutanBefore, 292, 3, 1, 0, dec(1), "carried weight before change")                            \
    X(Blinker, 295, 1, 1, 0, text, "blinkers")                                                      \
    X(Reserved2, 296, 1, 1, 0, omit, "reserved")                                                    \
    X(KisyuCode, 297, 5, 1, 0, text, "jockey code")                                                 \
    X(KisyuCodeBefore, 302, 5, 1, 0, text, "jockey code before change")                             \
    X(KisyuRyakusyo, 307, 8, 1, 0, text, "jockey short name")                                       \
    X(KisyuRyakusyoBefore, 315, 8, 1, 0, text, "jockey short name before change")                   \
    X(MinaraiCD, 323, 1, 1, 0, text, "apprentice code")                                             \
    X(MinaraiCDBefore, 324, 1, 1, 0, text, "apprentice code before change")                         \
    X(BaTaijyu, 325, 3, 1, 0, integer, "body weight kg")                                            \
    X(ZogenFugo, 328, 1, 1, 0, text, "body weight change sign")                                     \
    X(ZogenSa, 329, 3, 1, 0, integer, "body weight change kg")                                      \
    X(IJyoCD, 332, 1, 1, 0, text, "abnormality code")                                               \
    X(NyusenJyuni, 333, 2, 1, 0, integer, "order past the post")                                    \
    X(KakuteiJyuni, 335, 2, 1, 0, integer, "final finishing position")                              \
    X(DochakuKubun, 337, 1, 1, 0, text, "dead-heat flag")                                           \
    X(DochakuTosu, 338, 1, 1, 0, integer, "horses in the dead heat")                                \
    X(Time, 339, 4, 1, 0, minSec(1), "race time mssT")                                              \
    X(ChakusaCD, 343, 3, 1, 0, text, "margin code")                                                 \
    X(ChakusaCDP, 346, 3, 1, 0, text, "margin code +")                                              \
    X(ChakusaCDPP, 349, 3, 1, 0, text, "margin code ++")                                            \
    X(Jyuni, 352, 2, 4, 2, integer, "position at corners 1-4")                                      \
    X(Odds, 360, 4, 1, 0, dec(1), "win odds, tenths")                                               \
    X(Ninki, 364, 2, 1, 0, integer, "popularity")                                                   \
    X(Honsyokin, 366, 8, 1, 0, integer, "prize money won, units of 100 yen")                        \
    X(Fukasyokin, 374, 8, 1, 0, integer, "added prize money won, units of 100 yen")                 \
    X(Reserved3, 382, 3, 1, 0, omit, "reserved")                                                    \
    X(Reserved4, 385, 3, 1, 0, omit, "reserved")                                                    \
    X(HaronTimeL4, 388, 3, 1, 0, dec(1), "last four furlongs, tenths")                              \
    X(HaronTimeL3, 391, 3, 1, 0, dec(1), "last three furlongs, tenths")                             \
    X(AiteKettoNum, 394, 10, 3, 46, text, "opponent horses: id")                                    \
    X(AiteBamei, 404, 36, 3, 46, text, "opponent horses: name")                                     \
    X(TimeDiff, 532, 4, 1, 0, dec(1), "time difference to the winner, sign and sst")                \
    X(RecordUpKubun, 536, 1, 1, 0, text, "record update flag")                                      \
    X(DMKubun, 537, 1, 1, 0, text, "mining kind")                                                   \
    X(DMTime, 538, 5, 1, 0, minSec(2), "mining predicted time")                                     \
    X(DMGosaP, 543, 4, 1, 0, dec(2), "mining error +")                                              \
    X(DMGosaM, 547, 4, 1, 0, dec(2), "mining error -")                                              \
    X(DMJyuni, 551, 2, 1, 0, integer, "mining predicted place")                                     \
    X(KyakusituKubun, 553, 1, 1, 0, text, "running style")

#define VANTOR_JV_HR_FIELDS(X)                                                                      \
    VANTOR_JV_HEADER_FIELDS(X)                                                                      \
    VANTOR_JV_RACE_KEY_FIELDS(X)                                                                    \
    X(TorokuTosu, 28, 2, 1, 0, integer, "declared head count")                                      \
    X(SyussoTosu, 30, 2, 1, 0, integer, "starters")                                                 \
    X(FuseirituFlag, 32, 1, 9, 1, text, "bet type not established")                                 \
    X(TokubaraiFlag, 41, 1, 9, 1, text, "special payout")                                           \
    X(HenkanFlag, 50, 1, 9, 1, text, "refund")                                                      \
    X(HenkanUma, 59, 1, 28, 1, text, "refunded horse numbers")                                      \
    X(HenkanWaku, 87, 1, 8, 1, text, "refunded brackets")                                           \
    X(HenkanDoWaku, 95, 1, 8, 1, text, "refunded same-bracket pairs")                               \
    X(TanUmaban, 103, 2, 3, 13, integer, "win: horse number")                                       \
    X(TanPay, 105, 9, 3, 13, integer, "win: payout yen")                                            \
    X(TanNinki, 114, 2, 3, 13, integer, "win: popularity")                                          \
    X(FukuUmaban, 142, 2, 5, 13, integer, "place: horse number")                                    \
    X(FukuPay, 144, 9, 5, 13, integer, "place: payout yen")                                         \
    X(FukuNinki, 153, 2, 5, 13, integer, "place: popularity")                                       \
    X(WakurenKumi, 207, 2, 3, 13, text, "bracket quinella: two brackets")                           \
    X(WakurenPay, 209, 9, 3, 13, integer, "bracket quinella: payout yen")                           \
    X(WakurenNinki, 218, 2, 3, 13, integer, "bracket quinella: popularity")                         \
    X(UmarenKumi, 246, 4, 3, 16, text, "quinella: two horse numbers")                               \
    X(UmarenPay, 250, 9, 3, 16, integer, "quinella: payout yen")                                    \
    X(UmarenNinki, 259, 3, 3, 16, integer, "quinella: popularity")                                  \
    X(WideKumi, 294, 4, 7, 16, text, "quinella-place: two horse numbers")                           \
    X(WidePay, 298, 9, 7, 16, integer, "quinella-place: payout yen")                                \
    X(WideNinki, 307, 3, 7, 16, integer, "quinella-place: popularity")                              \
    X(Reserved1, 406, 16, 3, 16, omit, "reserved")                                                  \
    X(UmatanKumi, 454, 4, 6, 16, text, "exacta: two horse numbers")                                 \
    X(UmatanPay, 458, 9, 6, 16, integer, "exacta: payout yen")                                      \
    X(UmatanNinki, 467, 3, 6, 16, integer, "exacta: popularity")                                    \
    X(SanrenpukuKumi, 550, 6, 3, 18, text, "trio: three horse numbers")                             \
    X(SanrenpukuPay, 556, 9, 3, 18, integer, "trio: payout yen")                                    \
    X(SanrenpukuNinki, 565, 3, 3, 18, integer, "trio: popularity")                                  \
    X(SanrentanKumi, 604, 6, 6, 19, text, "trifecta: three horse numbers")                          \
    X(SanrentanPay, 610, 9, 6, 19, integer, "trifecta: payout yen")                                 \
    X(SanrentanNinki, 619, 4, 6, 19, integer, "trifecta: popularity")

// The horse master; the two layouts differ only in three widths (ID is the
// pedigree id width, BC the breeder code width, BN the breeder name width),
// so one list describes both.
#define VANTOR_JV_UM_FIELDS_W(X, ID, BC, BN)                                                        \
    VANTOR_JV_HEADER_FIELDS(X)                                                                      \
    X(KettoNum, 12, 10, 1, 0, text, "horse id")                                                     \
    X(DelKubun, 22, 1, 1, 0, text, "retired flag")                                                  \
    X(RegDate, 23, 8, 1, 0, date, "registration date")                                              \
    X(DelDate, 31, 8, 1, 0, date, "retirement date")                                                \
    X(BirthDate, 39, 8, 1, 0, date, "birth date yyyymmdd")                                          \
    X(Bamei, 47, 36, 1, 0, text, "horse name")                                                      \
    X(BameiKana, 83, 36, 1, 0, text, "horse name in katakana")                                      \
    X(BameiEng, 119, 60, 1, 0, text, "horse name in English")                                       \
    X(ZaikyuFlag, 179, 1, 1, 0, text, "in training at JRA")                                         \
    X(Reserved1, 180, 19, 1, 0, omit, "reserved")                                                   \
    X(UmaKigoCD, 199, 2, 1, 0, text, "horse-symbol code")                                           \
    X(SexCD, 201, 1, 1, 0, text, "sex code")                                                        \
    X(HinsyuCD, 202, 1, 1, 0, text, "breed code")                                                   \
    X(KeiroCD, 203, 2, 1, 0, text, "coat-colour code")                                              \
    X(HansyokuNum, 205, ID, 14, ID + 36, text, "pedigree: breeding id (sire, dam, ...)")            \
    X(HansyokuName, 205 + ID, 36, 14, ID + 36, text, "pedigree: name")                              \
    X(TozaiCD, 205 + 14 * (ID + 36), 1, 1, 0, text, "east/west affiliation")                        \
    X(ChokyosiCode, 206 + 14 * (ID + 36), 5, 1, 0, text, "trainer code")                            \
    X(ChokyosiRyakusyo, 211 + 14 * (ID + 36), 8, 1, 0, text, "trainer short name")                  \
    X(Syotai, 219 + 14 * (ID + 36), 20, 1, 0, text, "invited-from area")                            \
    X(BreederCode, 239 + 14 * (ID + 36), BC, 1, 0, text, "breeder code")                            \
    X(BreederName, 239 + 14 * (ID + 36) + BC, BN, 1, 0, text, "breeder name")                       \
    X(SanchiName, 239 + 14 * (ID + 36) + BC + BN, 20, 1, 0, text, "birthplace")                     \
    X(BanusiCode, 259 + 14 * (ID + 36) + BC + BN, 6, 1, 0, text, "owner code")                      \
    X(BanusiName, 265 + 14 * (ID + 36) + BC + BN, 64, 1, 0, text, "owner name")                     \
    X(RuikeiHonsyoHeiti, 329 + 14 * (ID + 36) + BC + BN, 9, 1, 0, integer, "flat prize total")      \
    X(RuikeiHonsyoSyogai, 338 + 14 * (ID + 36) + BC + BN, 9, 1, 0, integer, "jump prize total")     \
    X(RuikeiFukaHeichi, 347 + 14 * (ID + 36) + BC + BN, 9, 1, 0, integer, "flat added prize total") \
    X(RuikeiFukaSyogai, 356 + 14 * (ID + 36) + BC + BN, 9, 1, 0, integer, "jump added prize total") \
    X(RuikeiSyutokuHeichi, 365 + 14 * (ID + 36) + BC + BN, 9, 1, 0, integer, "flat earned prize")   \
    X(RuikeiSyutokuSyogai, 374 + 14 * (ID + 36) + BC + BN, 9, 1, 0, integer, "jump earned prize")   \
    X(ChakuSogo, 383 + 14 * (ID + 36) + BC + BN, 3, 6, 3, integer, "finish counts, all races")      \
    X(ChakuChuo, 401 + 14 * (ID + 36) + BC + BN, 3, 6, 3, integer, "finish counts, JRA races")      \
    X(ChakuKaisuBa, 419 + 14 * (ID + 36) + BC + BN, 3, 42, 3, integer,                              \
      "finish counts per track group (turf straight/right/left, dirt straight/right/left, jump) x class 1st-5th, unplaced") \
    X(ChakuKaisuJyotai, 545 + 14 * (ID + 36) + BC + BN, 3, 72, 3, integer, "finish counts per going") \
    X(ChakuKaisuKyori, 761 + 14 * (ID + 36) + BC + BN, 3, 36, 3, integer, "finish counts per distance") \
    X(Kyakusitu, 869 + 14 * (ID + 36) + BC + BN, 3, 4, 3, integer, "running-style counts")          \
    X(RaceCount, 881 + 14 * (ID + 36) + BC + BN, 3, 1, 0, integer, "registered race count")

#define VANTOR_JV_UM_FIELDS(X) VANTOR_JV_UM_FIELDS_W(X, 10, 8, 72)
#define VANTOR_JV_UMA_FIELDS(X) VANTOR_JV_UM_FIELDS_W(X, 8, 6, 70)

#define VANTOR_JV_DECLARE_FIELD(name, pos, len, count, stride, column, comment) \
    inline constexpr Field name{pos, len, count, stride};
#define VANTOR_JV_DESCRIBE_FIELD(name, pos, len, count, stride, column, comment) \
    FieldInfo{#name, Field{pos, len, count, stride}, comment, columns::column},

namespace vantor::jvdata {

inline constexpr std::size_t kRaLength = 1272;
inline constexpr std::size_t kSeLength = 555;
inline constexpr std::size_t kHrLength = 719;
inline constexpr std::size_t kUmLength = 1609;
inline constexpr std::size_t kUmaLength = 1577;

namespace ra { VANTOR_JV_RA_FIELDS(VANTOR_JV_DECLARE_FIELD) }
namespace se { VANTOR_JV_SE_FIELDS(VANTOR_JV_DECLARE_FIELD) }
namespace hr { VANTOR_JV_HR_FIELDS(VANTOR_JV_DECLARE_FIELD) }
namespace um { VANTOR_JV_UM_FIELDS(VANTOR_JV_DECLARE_FIELD) }
namespace uma { VANTOR_JV_UMA_FIELDS(VANTOR_JV_DECLARE_FIELD) }
// clang-format on

// The race key alone, as every race-keyed record kind starts with it.
inline constexpr auto kRaceKeyFields = std::to_array<FieldInfo>({VANTOR_JV_RACE_KEY_FIELDS(VANTOR_JV_DESCRIBE_FIELD)});
inline constexpr auto kRaFields = std::to_array<FieldInfo>({VANTOR_JV_RA_FIELDS(VANTOR_JV_DESCRIBE_FIELD)});
inline constexpr auto kSeFields = std::to_array<FieldInfo>({VANTOR_JV_SE_FIELDS(VANTOR_JV_DESCRIBE_FIELD)});
inline constexpr auto kHrFields = std::to_array<FieldInfo>({VANTOR_JV_HR_FIELDS(VANTOR_JV_DESCRIBE_FIELD)});
inline constexpr auto kUmFields = std::to_array<FieldInfo>({VANTOR_JV_UM_FIELDS(VANTOR_JV_DESCRIBE_FIELD)});
inline constexpr auto kUmaFields = std::to_array<FieldInfo>({VANTOR_JV_UMA_FIELDS(VANTOR_JV_DESCRIBE_FIELD)});

static_assert(coversRecordExactly<kRaLength>(kRaFields), "RA layout must cover 1270 bytes exactly");
static_assert(coversRecordExactly<kSeLength>(kSeFields), "SE layout must cover 553 bytes exactly");
static_assert(coversRecordExactly<kHrLength>(kHrFields), "HR layout must cover 717 bytes exactly");
static_assert(coversRecordExactly<kUmLength>(kUmFields), "UM layout must cover 1607 bytes exactly");
static_assert(coversRecordExactly<kUmaLength>(kUmaFields), "earlier UM layout must cover 1575 bytes exactly");

inline constexpr RecordLayout kRaLayout{"RA", kRaLength, kRaFields};
inline constexpr RecordLayout kSeLayout{"SE", kSeLength, kSeFields};
inline constexpr RecordLayout kHrLayout{"HR", kHrLength, kHrFields};
inline constexpr RecordLayout kUmLayout{"UM", kUmLength, kUmFields};
inline constexpr RecordLayout kUmaLayout{"UM", kUmaLength, kUmaFields};

// Fields that the program reads at the same places in a 1609-byte and a
// 1577-byte horse record are checked here, so the conversion can rely on it.
static_assert(um::BirthDate.pos == uma::BirthDate.pos && um::KeiroCD.pos == uma::KeiroCD.pos);
static_assert(um::BreederName.pos == 891 && um::SanchiName.pos == 963 && um::ChakuKaisuBa.pos == 1143);
static_assert(uma::SanchiName.pos == 931 && uma::RaceCount.pos + 3 == kUmaLength - 1);

}  // namespace vantor::jvdata

#undef VANTOR_JV_DECLARE_FIELD
#undef VANTOR_JV_DESCRIBE_FIELD
