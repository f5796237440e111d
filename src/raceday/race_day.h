#pragma once
// One race day in memory: the raw record images read from the store, the
// assembled race slots (RaceTbl), the derived marks (MarkTbl) and the
// day's trainer and horse-name lists. Capacities are the limits of the
// system: 36 races, 18 runner slots per race, 25 earlier runs per runner
// (day_capacity.h).
//
// Race slot r is race-list item r; runner slot j is horse number j + 1; run
// index k is 0 for the race itself and k for the k-th most recent earlier
// run. Text fields are Shift-JIS cut from the records with their padding.
//
// The whole day is made once (RaceDay::create) with room for the fullest
// day and refilled by every load; nothing in it is allocated per record.
// A day costs the memory it fills: the tables are allocated untouched, a
// load writes only the race slots, runners and runs the day has, and the
// next load resets only those.

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "raceday/day_capacity.h"
#include "raceday/earlier_runs.h"
#include "raceday/live_day.h"
#include "raceday/one_based.h"
#include "raceday/zeroed_slots.h"
#include "text/fixed_text.h"
#include "text/sjis.h"

namespace vantor {

// An assembled race slot.
struct TRaceRec {
    // Header.
    std::uint8_t RacePresent = 0;  // 1 once assembled; readers skip slots with 0
    std::uint8_t HrLoaded = 0;     // 1 when the day's payout file held this race
    FixedText<17> RaceKey;         // year, month-day, course, meeting, day, race number
    FixedText<61> RaceName;
    FixedText<2> GradeCd;
    FixedText<2> JyuryoCd;
    FixedText<4> JokenCd;  // condition code of the youngest age group
    FixedText<5> Kyori;
    FixedText<3> TrackCd;
    FixedText<5> HassoTime;
    OneBased<i32, 7> HonSyokin;   // places 1-7, thousands of yen
    OneBased<i32, 5> FukaSyokin;  // places 1-5, thousands of yen
    FixedText<3> TorokuTosu;      // runner slots in use; never above 18

    // Runners, slot j = horse number - 1.
    PerRunner<FixedText<3>> Umaban;
    PerRunner<FixedText<2>> Wakuban;
    PerRunner<FixedText<11>> KettoNum;
    PerRunner<FixedText<37>> Bamei;  // first 18 bytes of the name
    PerRunner<FixedText<2>> SexCd;
    PerRunner<FixedText<3>> Barei;
    PerRunner<FixedText<4>> Futan;
    PerRunner<FixedText<6>> KisyuCd;
    PerRunner<FixedText<9>> KisyuName;
    PerRunner<FixedText<6>> ChokCd;
    PerRunner<FixedText<9>> ChokName;
    PerRunner<FixedText<37>> Ketto1Name;  // sire
    PerRunner<FixedText<37>> Ketto2Name;  // dam
    PerRunner<FixedText<37>> Ketto3Name;
    PerRunner<FixedText<3>> UmaKigoCd;
    PerRunner<FixedText<9>> BirthDate;
    PerRunner<FixedText<3>> KeiroCd;
    PerRunner<FixedText<65>> BanusiName;
    PerRunner<FixedText<2>> TozaiCd;
    PerRunner<FixedText<21>> SanchiName;
    PerRunner<FixedText<71>> BreederName;
    PerRunner<std::uint8_t> UmLoaded{};  // 1 when the horse master was found; its prizes and placings show
    PerRunner<i32> HonSyokinSE{};    // prize won in this race / 10
    PerRunner<i32> FukaSyokinSE{};   // added prize won in this race / 10
    PerRunner<i32> HeichiSyutoku{};  // flat earned-prize total of the horse master, thousands of yen
    PerRunner<i32> SyogaiSyutoku{};  // jump earned-prize total of the horse master, thousands of yen
    PerRunner<std::array<i32, kFinishClasses>> ShibaChaku{};
    PerRunner<std::array<i32, kFinishClasses>> DirtChaku{};
    PerRunner<std::array<i32, kFinishClasses>> SyogaiChaku{};
    // Element 0: days from run 1 to this race; element k: from run k+1 to run k.
    PerRunner<std::array<i32, kMaxEarlierRuns>> Kankaku{};
    PerRunner<FixedText<8>> RinsenSign;  // readiness sign: "牡1戦目", "牡3戦目", "牝2戦目" or empty
    // The user's own, put in from the marks file after the records: the
    // mark (印) of the set the views show, and whether the horse has a note.
    PerRunner<FixedText<2>> UserMark;      // the mark's glyph; empty for none
    PerRunner<std::uint8_t> HorseNoted{};  // 1 when the user keeps a note on the horse

    // Runs, [slot][k]: k = 0 this race, 1-20 earlier runs (RunDate 1-25).
    PerRun<FixedText<9>> RunDate;
    PerRun<FixedText<17>> RunKey;
    PerRun<FixedText<7>> RunRyaku;
    PerRun<FixedText<2>> RunGradeCd;
    PerRun<FixedText<4>> RunJokenCd;
    PerRun<i32> RunTosu{};
    PerRun<i32> RunUmaban{};
    PerRun<i32> RunKyori{};
    PerRun<FixedText<3>> RunTrackCd;
    PerRun<FixedText<2>> RunTenkoCd;
    PerRun<FixedText<2>> RunBabaCd;
    PerRun<FixedText<9>> RunKisyuName;
    PerRun<i32> RunFutan{};
    PerRun<i32> RunNinki{};
    PerRun<i32> RunChakujun{};
    PerRun<FixedText<5>> RunTime;
    PerRun<FixedText<4>> RunAgari;
    PerRun<OneBased<i32, 4>> RunCorner;
    PerRun<i32> RunBaTaijyu{};
    PerRun<i32> RunSyokin{};
    PerRun<FixedText<19>> RunAiteUma;
    PerRun<FixedText<5>> RunTimeSa;
    PerRun<FixedText<5>> RunOdds;

    // Predicted odds, results and payouts.
    std::uint8_t YozLoaded = 0;
    PerRunner<double> YozOdds{};  // 0 = none
    PerRunner<i32> YozRank{};     // 1 = lowest predicted odds; 0 = none
    PerRunner<i32> KekkaChakujun{};
    PerRunner<i32> KekkaNinki{};
    PerRunner<double> KekkaOdds{};
    OneBased<i32, 3> TanUmaban, TanNinki, TanPay;
    OneBased<i32, 5> FukuUmaban, FukuNinki, FukuPay;
    OneBased<FixedText<6>, 3> WakurenKumi;  // "%2d-%2d"
    OneBased<i32, 3> WakurenNinki, WakurenPay;
    OneBased<FixedText<6>, 3> UmarenKumi;
    OneBased<i32, 3> UmarenNinki, UmarenPay;
    OneBased<FixedText<6>, 7> WideKumi;
    OneBased<i32, 7> WideNinki, WidePay;

    // The day's live state as the card shows it (live_card.h): all empty
    // when nothing was announced, so that the card is then as without it.
    PerRunner<FixedText<4>> LiveStatus;         // "取消", "除外"; empty for a runner who runs
    PerRunner<FixedText<6>> LiveStatusReason;   // "疾病", "事故", "その他"
    PerRunner<FixedText<34>> LiveKisyuName;     // the jockey a change names; empty for none
    PerRunner<FixedText<34>> LiveKisyuBefore;   // the jockey it replaces
    PerRunner<FixedText<4>> LiveFutan;          // the carried weight it gives, tenths of kg ("570")
    PerRunner<FixedText<10>> LiveWeight;        // today's body weight: "486(+4)", "計不"
    PerRunner<FixedText<16>> LiveWinOdds;       // "2.4倍 1人"
    FixedText<5> LiveOddsTime;                  // "10:30": the announce time of the odds shown
    FixedText<5> LivePostTime;                  // "hhmm" of a post-time change
    FixedText<5> LiveKyori;                     // the distance of a course change ("1600")
    FixedText<3> LiveTrackCd;                   // the track code of a course change
    FixedText<1> LiveTenkoCd;                   // the racecourse's weather now
    FixedText<1> LiveSibaBabaCd, LiveDirtBabaCd;  // its going now, turf and dirt
    FixedText<5> LiveBabaTime;                  // "10:15": when weather or going was last announced
    FixedText<5> LiveAsOf;                      // "10:42": the race's latest announcement of any kind
    i32 LiveOut = 0;                            // runners scratched or excluded
};

// The marks day loading derives for a race.
struct TRaceMarkRec {
    // Week slot w holds the earlier run about w weeks before the race.
    PerRunner<OneBased<FixedText<9>, kWeekSlots>> SyuDate;
    PerRunner<OneBased<i32, kWeekSlots>> SyuKankaku;
    PerRunner<OneBased<i32, kWeekSlots>> SyuChakujun;  // runs 1-5 only
    PerRunner<FixedText<8>> Kakugen2;                  // maxim-2 mark "格言２" or empty
    PerRunner<FixedText<6>> SortKey;                   // runner order key
    PerRunner<i32> SortRank{};                         // 1-based place of the key; 0 = none
    PerRunner<std::uint8_t> SameBanusi{};              // another runner has the same owner
    PerRunner<std::uint8_t> SameChok{};                // another runner has the same trainer
};

class RaceDay {
public:
    RaceDay();
    RaceDay(const RaceDay&) = delete;
    RaceDay& operator=(const RaceDay&) = delete;

    // The one race day of a window or tool; made once and reused.
    static std::unique_ptr<RaceDay> create() { return std::make_unique<RaceDay>(); }

    // Returns the day to the state it was made in, ready for a load: every
    // raw image blank, every race slot and mark reset, no earlier runs, no
    // race. Only the race slots below RaceCount are gone through: the tables
    // are written nowhere else, so the slots after them are still as made.
    void clear();

    i32 RaceCount = 0;  // RA records read for the day; race slots in use
    std::uint8_t Over2005 = 0;

    std::vector<SjisString> ChokList;      // trainers of the day, sorted, unique
    std::vector<SjisString> ChokSortList;  // trainers keyed by runner count, unsorted
    std::vector<SjisString> UmaNameList;   // first characters of the horse names, sorted, unique

    std::array<RaImage, kMaxRaces> JvRaTbl;
    std::array<PerRunner<SeImage>, kMaxRaces> JvSeTbl;
    std::array<PerRunner<UmImage>, kMaxRaces> JvUmTbl;
    std::array<HrImage, kMaxRaces> JvHrTbl;
    std::array<YozImage, kMaxRaces> YozTbl;

    // The earlier runs of runner j of race r: run e + 1 (blank beyond the
    // runner's runs) and the race record of that run (the RA record found,
    // a blank image holding only the run's race key, or a blank image).
    // Runners who ran in the same race share one image of its record.
    const SeImage& JvSeiTbl(int r, int j, int e) const { return earlierRuns_.run(r, j, e); }
    const RaImage& JvSeiRaTbl(int r, int j, int e) const { return earlierRuns_.race(r, j, e); }
    EarlierRuns& earlierRuns() { return earlierRuns_; }
    const EarlierRuns& earlierRuns() const { return earlierRuns_; }

    // The day's live state (weights, scratches, jockey changes, odds, going),
    // loaded beside the races from the store's live files.
    LiveDay& live() { return *live_; }
    const LiveDay& live() const { return *live_; }

    // All zero bytes is a reset slot: no memory for slots never filled.
    ZeroedSlots<TRaceRec, kMaxRaces> RaceTbl;
    ZeroedSlots<TRaceMarkRec, kMaxRaces> MarkTbl;

private:
    EarlierRuns earlierRuns_;
    std::unique_ptr<LiveDay> live_ = LiveDay::create();
};

// Resets every race slot and its marks: texts empty, numbers 0, flags 0.
// Only the slots in use (below RaceCount) are gone through; the others
// have stayed reset since the day was made or last cleared.
void IniBtnClick(RaceDay& day);

// The runner slots a declared head count text gives: its number, kept
// within 0 to 18 so that it never reaches past the tables.
int runnerSlotsOf(SjisView headCount);

}  // namespace vantor
