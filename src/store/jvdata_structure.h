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
// X(name, pos, len, count, stride, comment): pos is 1-based; a field with
// count > 1 repeats every stride bytes.

#include "store/record_field.h"

// Fields every record kind starts with.
#define VANTOR_JV_HEADER_FIELDS(X)                                                   \
    X(RecordSpec, 1, 2, 1, 0, "record kind")                                         \
    X(DataKubun, 3, 1, 1, 0, "data kind: 1-7 normal stages, A local, B overseas")    \
    X(MakeDate, 4, 8, 1, 0, "creation date yyyymmdd")

#define VANTOR_JV_RACE_KEY_FIELDS(X)                                                 \
    X(Year, 12, 4, 1, 0, "year of the race")                                         \
    X(MonthDay, 16, 4, 1, 0, "month and day mmdd")                                   \
    X(JyoCD, 20, 2, 1, 0, "racecourse code")                                         \
    X(Kaiji, 22, 2, 1, 0, "meeting number")                                          \
    X(Nichiji, 24, 2, 1, 0, "day of the meeting")                                    \
    X(RaceNum, 26, 2, 1, 0, "race number")

#define VANTOR_JV_RA_FIELDS(X)                                                       \
    VANTOR_JV_HEADER_FIELDS(X)                                                       \
    VANTOR_JV_RACE_KEY_FIELDS(X)                                                     \
    X(YoubiCD, 28, 1, 1, 0, "weekday code")                                          \
    X(TokuNum, 29, 4, 1, 0, "special race number")                                   \
    X(Hondai, 33, 60, 1, 0, "race name")                                             \
    X(Fukudai, 93, 60, 1, 0, "race subtitle")                                        \
    X(Kakko, 153, 60, 1, 0, "bracketed name")                                        \
    X(HondaiEng, 213, 120, 1, 0, "race name in English")                             \
    X(FukudaiEng, 333, 120, 1, 0, "subtitle in English")                             \
    X(KakkoEng, 453, 120, 1, 0, "bracketed name in English")                         \
    X(Ryakusyo10, 573, 20, 1, 0, "short name, 10 characters")                        \
    X(Ryakusyo6, 593, 12, 1, 0, "short name, 6 characters")                          \
    X(Ryakusyo3, 605, 6, 1, 0, "short name, 3 full-width characters")                \
    X(Kubun, 611, 1, 1, 0, "name kind")                                              \
    X(Nkai, 612, 3, 1, 0, "edition number")                                          \
    X(GradeCD, 615, 1, 1, 0, "grade code")                                           \
    X(GradeCDBefore, 616, 1, 1, 0, "grade code before change")                       \
    X(SyubetuCD, 617, 2, 1, 0, "race type code (age group)")                         \
    X(KigoCD, 619, 3, 1, 0, "race symbol code")                                      \
    X(JyuryoCD, 622, 1, 1, 0, "weight-type code")                                    \
    X(JyokenCD, 623, 3, 5, 3, "race-condition codes: 2, 3, 4, 5 year olds, youngest") \
    X(JyokenName, 638, 60, 1, 0, "race-condition name")                              \
    X(Kyori, 698, 4, 1, 0, "distance in metres")                                     \
    X(KyoriBefore, 702, 4, 1, 0, "distance before change")                           \
    X(TrackCD, 706, 2, 1, 0, "track code: 22 or below turf, 23-29 dirt, 51+ jump")   \
    X(TrackCDBefore, 708, 2, 1, 0, "track code before change")                       \
    X(CourseKubunCD, 710, 2, 1, 0, "course rail code")                               \
    X(CourseKubunCDBefore, 712, 2, 1, 0, "course rail code before change")           \
    X(Honsyokin, 714, 8, 7, 8, "main prize money, places 1-7, units of 100 yen")     \
    X(HonsyokinBefore, 770, 8, 5, 8, "main prize money before change")               \
    X(Fukasyokin, 810, 8, 5, 8, "added prize money, places 1-5, units of 100 yen")   \
    X(FukasyokinBefore, 850, 8, 3, 8, "added prize money before change")             \
    X(HassoTime, 874, 4, 1, 0, "start time hhmm")                                    \
    X(HassoTimeBefore, 878, 4, 1, 0, "start time before change")                     \
    X(TorokuTosu, 882, 2, 1, 0, "declared head count")                               \
    X(SyussoTosu, 884, 2, 1, 0, "starters")                                          \
    X(NyusenTosu, 886, 2, 1, 0, "finishers")                                         \
    X(TenkoCD, 888, 1, 1, 0, "weather code")                                         \
    X(SibaBabaCD, 889, 1, 1, 0, "turf going code")                                   \
    X(DirtBabaCD, 890, 1, 1, 0, "dirt going code")                                   \
    X(LapTime, 891, 3, 25, 3, "furlong lap times, tenths of a second")               \
    X(SyogaiMileTime, 966, 4, 1, 0, "jump races: mile time")                         \
    X(HaronTimeS3, 970, 3, 1, 0, "first three furlongs")                             \
    X(HaronTimeS4, 973, 3, 1, 0, "first four furlongs")                              \
    X(HaronTimeL3, 976, 3, 1, 0, "last three furlongs")                              \
    X(HaronTimeL4, 979, 3, 1, 0, "last four furlongs")                               \
    X(CornerInfo, 982, 72, 4, 72, "corner passing orders")                           \
    X(RecordUpKubun, 1270, 1, 1, 0, "record update flag")

#define VANTOR_JV_SE_FIELDS(X)                                                       \
    VANTOR_JV_HEADER_FIELDS(X)                                                       \
    VANTOR_JV_RACE_KEY_FIELDS(X)                                                     \
    X(Wakuban, 28, 1, 1, 0, "bracket number")                                        \
    X(Umaban, 29, 2, 1, 0, "horse number")                                           \
    X(KettoNum, 31, 10, 1, 0, "horse id")                                            \
    X(Bamei, 41, 36, 1, 0, "horse name")                                             \
    X(UmaKigoCD, 77, 2, 1, 0, "horse-symbol code")                                   \
    X(SexCD, 79, 1, 1, 0, "sex code: 1 colt, 2 filly, 3 gelding")                    \
    X(HinsyuCD, 80, 1, 1, 0, "breed code")                                           \
    X(KeiroCD, 81, 2, 1, 0, "coat-colour code")                                      \
    X(Barei, 83, 2, 1, 0, "age")                                                     \
    X(TozaiCD, 85, 1, 1, 0, "east/west affiliation")                                 \
    X(ChokyosiCode, 86, 5, 1, 0, "trainer code")                                     \
    X(ChokyosiRyakusyo, 91, 8, 1, 0, "trainer short name")                           \
    X(BanusiCode, 99, 6, 1, 0, "owner code")                                         \
    X(BanusiName, 105, 64, 1, 0, "owner name")                                       \
    X(Fukusyoku, 169, 60, 1, 0, "racing colours")                                    \
    X(Reserved1, 229, 60, 1, 0, "reserved")                                          \
    X(Futan, 289, 3, 1, 0, "carried weight, tenths of kg")                           \
    X(FutanBefore, 292, 3, 1, 0, "carried weight before change")                     \
    X(Blinker, 295, 1, 1, 0, "blinkers")                                             \
    X(Reserved2, 296, 1, 1, 0, "reserved")                                           \
    X(KisyuCode, 297, 5, 1, 0, "jockey code")                                        \
    X(KisyuCodeBefore, 302, 5, 1, 0, "jockey code before change")                    \
    X(KisyuRyakusyo, 307, 8, 1, 0, "jockey short name")                              \
    X(KisyuRyakusyoBefore, 315, 8, 1, 0, "jockey short name before change")          \
    X(MinaraiCD, 323, 1, 1, 0, "apprentice code")                                    \
    X(MinaraiCDBefore, 324, 1, 1, 0, "apprentice code before change")                \
    X(BaTaijyu, 325, 3, 1, 0, "body weight kg")                                      \
    X(ZogenFugo, 328, 1, 1, 0, "body weight change sign")                            \
    X(ZogenSa, 329, 3, 1, 0, "body weight change kg")                                \
    X(IJyoCD, 332, 1, 1, 0, "abnormality code")                                      \
    X(NyusenJyuni, 333, 2, 1, 0, "order past the post")                              \
    X(KakuteiJyuni, 335, 2, 1, 0, "final finishing position")                        \
    X(DochakuKubun, 337, 1, 1, 0, "dead-heat flag")                                  \
    X(DochakuTosu, 338, 1, 1, 0, "horses in the dead heat")                          \
    X(Time, 339, 4, 1, 0, "race time mssT")                                          \
    X(ChakusaCD, 343, 3, 1, 0, "margin code")                                        \
    X(ChakusaCDP, 346, 3, 1, 0, "margin code +")                                     \
    X(ChakusaCDPP, 349, 3, 1, 0, "margin code ++")                                   \
    X(Jyuni, 352, 2, 4, 2, "position at corners 1-4")                                \
    X(Odds, 360, 4, 1, 0, "win odds, tenths")                                        \
    X(Ninki, 364, 2, 1, 0, "popularity")                                             \
    X(Honsyokin, 366, 8, 1, 0, "prize money won, units of 100 yen")                  \
    X(Fukasyokin, 374, 8, 1, 0, "added prize money won, units of 100 yen")           \
    X(Reserved3, 382, 3, 1, 0, "reserved")                                           \
    X(Reserved4, 385, 3, 1, 0, "reserved")                                           \
    X(HaronTimeL4, 388, 3, 1, 0, "last four furlongs, tenths")                       \
    X(HaronTimeL3, 391, 3, 1, 0, "last three furlongs, tenths")                      \
    X(AiteKettoNum, 394, 10, 3, 46, "opponent horses: id")                           \
    X(AiteBamei, 404, 36, 3, 46, "opponent horses: name")                            \
    X(TimeDiff, 532, 4, 1, 0, "time difference to the winner, sign and sst")         \
    X(RecordUpKubun, 536, 1, 1, 0, "record update flag")                             \
    X(DMKubun, 537, 1, 1, 0, "mining kind")                                          \
    X(DMTime, 538, 5, 1, 0, "mining predicted time")                                 \
    X(DMGosaP, 543, 4, 1, 0, "mining error +")                                       \
    X(DMGosaM, 547, 4, 1, 0, "mining error -")                                       \
    X(DMJyuni, 551, 2, 1, 0, "mining predicted place")                               \
    X(KyakusituKubun, 553, 1, 1, 0, "running style")

#define VANTOR_JV_HR_FIELDS(X)                                                       \
    VANTOR_JV_HEADER_FIELDS(X)                                                       \
    VANTOR_JV_RACE_KEY_FIELDS(X)                                                     \
    X(TorokuTosu, 28, 2, 1, 0, "declared head count")                                \
    X(SyussoTosu, 30, 2, 1, 0, "starters")                                           \
    X(FuseirituFlag, 32, 1, 9, 1, "bet type not established")                        \
    X(TokubaraiFlag, 41, 1, 9, 1, "special payout")                                  \
    X(HenkanFlag, 50, 1, 9, 1, "refund")                                             \
    X(HenkanUma, 59, 1, 28, 1, "refunded horse numbers")                             \
    X(HenkanWaku, 87, 1, 8, 1, "refunded brackets")                                  \
    X(HenkanDoWaku, 95, 1, 8, 1, "refunded same-bracket pairs")                      \
    X(TanUmaban, 103, 2, 3, 13, "win: horse number")                                 \
    X(TanPay, 105, 9, 3, 13, "win: payout yen")                                      \
    X(TanNinki, 114, 2, 3, 13, "win: popularity")                                    \
    X(FukuUmaban, 142, 2, 5, 13, "place: horse number")                              \
    X(FukuPay, 144, 9, 5, 13, "place: payout yen")                                   \
    X(FukuNinki, 153, 2, 5, 13, "place: popularity")                                 \
    X(WakurenKumi, 207, 2, 3, 13, "bracket quinella: two brackets")                  \
    X(WakurenPay, 209, 9, 3, 13, "bracket quinella: payout yen")                     \
    X(WakurenNinki, 218, 2, 3, 13, "bracket quinella: popularity")                   \
    X(UmarenKumi, 246, 4, 3, 16, "quinella: two horse numbers")                      \
    X(UmarenPay, 250, 9, 3, 16, "quinella: payout yen")                              \
    X(UmarenNinki, 259, 3, 3, 16, "quinella: popularity")                            \
    X(WideKumi, 294, 4, 7, 16, "quinella-place: two horse numbers")                  \
    X(WidePay, 298, 9, 7, 16, "quinella-place: payout yen")                          \
    X(WideNinki, 307, 3, 7, 16, "quinella-place: popularity")                        \
    X(Reserved1, 406, 16, 3, 16, "reserved")                                         \
    X(UmatanKumi, 454, 4, 6, 16, "exacta: two horse numbers")                        \
    X(UmatanPay, 458, 9, 6, 16, "exacta: payout yen")                                \
    X(UmatanNinki, 467, 3, 6, 16, "exacta: popularity")                              \
    X(SanrenpukuKumi, 550, 6, 3, 18, "trio: three horse numbers")                    \
    X(SanrenpukuPay, 556, 9, 3, 18, "trio: payout yen")                              \
    X(SanrenpukuNinki, 565, 3, 3, 18, "trio: popularity")                            \
    X(SanrentanKumi, 604, 6, 6, 19, "trifecta: three horse numbers")                 \
    X(SanrentanPay, 610, 9, 6, 19, "trifecta: payout yen")                           \
    X(SanrentanNinki, 619, 4, 6, 19, "trifecta: popularity")

// The horse master; the two layouts differ only in three widths (ID is the
// pedigree id width, BC the breeder code width, BN the breeder name width),
// so one list describes both.
#define VANTOR_JV_UM_FIELDS_W(X, ID, BC, BN)                                         \
    VANTOR_JV_HEADER_FIELDS(X)                                                       \
    X(KettoNum, 12, 10, 1, 0, "horse id")                                            \
    X(DelKubun, 22, 1, 1, 0, "retired flag")                                         \
    X(RegDate, 23, 8, 1, 0, "registration date")                                     \
    X(DelDate, 31, 8, 1, 0, "retirement date")                                       \
    X(BirthDate, 39, 8, 1, 0, "birth date yyyymmdd")                                 \
    X(Bamei, 47, 36, 1, 0, "horse name")                                             \
    X(BameiKana, 83, 36, 1, 0, "horse name in katakana")                             \
    X(BameiEng, 119, 60, 1, 0, "horse name in English")                              \
    X(ZaikyuFlag, 179, 1, 1, 0, "in training at JRA")                                \
    X(Reserved1, 180, 19, 1, 0, "reserved")                                          \
    X(UmaKigoCD, 199, 2, 1, 0, "horse-symbol code")                                  \
    X(SexCD, 201, 1, 1, 0, "sex code")                                               \
    X(HinsyuCD, 202, 1, 1, 0, "breed code")                                          \
    X(KeiroCD, 203, 2, 1, 0, "coat-colour code")                                     \
    X(HansyokuNum, 205, ID, 14, ID + 36, "pedigree: breeding id (sire, dam, ...)")   \
    X(HansyokuName, 205 + ID, 36, 14, ID + 36, "pedigree: name")                     \
    X(TozaiCD, 205 + 14 * (ID + 36), 1, 1, 0, "east/west affiliation")               \
    X(ChokyosiCode, 206 + 14 * (ID + 36), 5, 1, 0, "trainer code")                   \
    X(ChokyosiRyakusyo, 211 + 14 * (ID + 36), 8, 1, 0, "trainer short name")         \
    X(Syotai, 219 + 14 * (ID + 36), 20, 1, 0, "invited-from area")                   \
    X(BreederCode, 239 + 14 * (ID + 36), BC, 1, 0, "breeder code")                   \
    X(BreederName, 239 + 14 * (ID + 36) + BC, BN, 1, 0, "breeder name")              \
    X(SanchiName, 239 + 14 * (ID + 36) + BC + BN, 20, 1, 0, "birthplace")            \
    X(BanusiCode, 259 + 14 * (ID + 36) + BC + BN, 6, 1, 0, "owner code")             \
    X(BanusiName, 265 + 14 * (ID + 36) + BC + BN, 64, 1, 0, "owner name")            \
    X(RuikeiHonsyoHeiti, 329 + 14 * (ID + 36) + BC + BN, 9, 1, 0, "flat prize total") \
    X(RuikeiHonsyoSyogai, 338 + 14 * (ID + 36) + BC + BN, 9, 1, 0, "jump prize total") \
    X(RuikeiFukaHeichi, 347 + 14 * (ID + 36) + BC + BN, 9, 1, 0, "flat added prize total") \
    X(RuikeiFukaSyogai, 356 + 14 * (ID + 36) + BC + BN, 9, 1, 0, "jump added prize total") \
    X(RuikeiSyutokuHeichi, 365 + 14 * (ID + 36) + BC + BN, 9, 1, 0, "flat earned prize")  \
    X(RuikeiSyutokuSyogai, 374 + 14 * (ID + 36) + BC + BN, 9, 1, 0, "jump earned prize")  \
    X(ChakuSogo, 383 + 14 * (ID + 36) + BC + BN, 3, 6, 3, "finish counts, all races")     \
    X(ChakuChuo, 401 + 14 * (ID + 36) + BC + BN, 3, 6, 3, "finish counts, JRA races")     \
    X(ChakuKaisuBa, 419 + 14 * (ID + 36) + BC + BN, 3, 42, 3,                          \
      "finish counts per track group (turf straight/right/left, dirt straight/right/left, jump) x class 1st-5th, unplaced") \
    X(ChakuKaisuJyotai, 545 + 14 * (ID + 36) + BC + BN, 3, 72, 3, "finish counts per going") \
    X(ChakuKaisuKyori, 761 + 14 * (ID + 36) + BC + BN, 3, 36, 3, "finish counts per distance") \
    X(Kyakusitu, 869 + 14 * (ID + 36) + BC + BN, 3, 4, 3, "running-style counts")       \
    X(RaceCount, 881 + 14 * (ID + 36) + BC + BN, 3, 1, 0, "registered race count")

#define VANTOR_JV_UM_FIELDS(X) VANTOR_JV_UM_FIELDS_W(X, 10, 8, 72)
#define VANTOR_JV_UMA_FIELDS(X) VANTOR_JV_UM_FIELDS_W(X, 8, 6, 70)

#define VANTOR_JV_DECLARE_FIELD(name, pos, len, count, stride, comment) \
    inline constexpr Field name{pos, len, count, stride};
#define VANTOR_JV_DESCRIBE_FIELD(name, pos, len, count, stride, comment) \
    FieldInfo{#name, Field{pos, len, count, stride}, comment},

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
