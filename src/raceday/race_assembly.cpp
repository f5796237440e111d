#include "raceday/race_assembly.h"

#include <optional>
#include <string>

#include "codes/calendar.h"
#include "codes/track_surface.h"
#include "record_layouts/jvdata_record.h"
#include "text/encoding.h"
#include "text/formatted.h"

namespace vantor {
namespace {

using namespace jvdata;

constexpr int kRestDays = 55;  // a longer interval is a rest

// Runs whose year is neither blank nor "0000" hold a record.
bool hasYear(SjisView rec) {
    const SjisView year = trimBlanks(get(rec, ra::Year));
    return !year.empty() && year != "0000";
}

SjisView date(SjisView rec) { return raceKey(rec).date(); }

// The going of the track the race was run on: the turf going up to the
// last turf code (a blank code reads as 0 and takes it too), the dirt going
// on dirt; other tracks leave it as it was.
void setGoing(FixedText<2>& going, SjisView ra) {
    const int track = inum(ra, ra::TrackCD);
    if (track <= kTurfTracks.last)
        going = get(ra, ra::SibaBabaCD);
    else if (surfaceOfTrack(track) == Surface::dirt)
        going = get(ra, ra::DirtBabaCD);
}

// The fields of run k that come from its race record.
void fillRunRace(TRaceRec& race, int i, int k, SjisView ra) {
    race.RunRyaku[i][k] = get(ra, ra::Ryakusyo3);
    race.RunGradeCd[i][k] = get(ra, ra::GradeCD);
    race.RunJokenCd[i][k] = get(ra, ra::JyokenCD, 5);
    race.RunTosu[i][k] = inum(ra, ra::TorokuTosu);
    race.RunKyori[i][k] = inum(ra, ra::Kyori);
    race.RunTrackCd[i][k] = get(ra, ra::TrackCD);
    race.RunTenkoCd[i][k] = get(ra, ra::TenkoCD);
    setGoing(race.RunBabaCd[i][k], ra);
}

// The fields of run k that come from the runner's record of that race.
void fillRunRunner(TRaceRec& race, int i, int k, SjisView se) {
    race.RunUmaban[i][k] = inum(se, se::Umaban);
    race.RunKisyuName[i][k] = get(se, se::KisyuRyakusyo);
    race.RunFutan[i][k] = inum(se, se::Futan);
    race.RunNinki[i][k] = inum(se, se::Ninki);
    race.RunChakujun[i][k] = inum(se, se::KakuteiJyuni);
    race.RunTime[i][k] = get(se, se::Time);
    race.RunAgari[i][k] = get(se, se::HaronTimeL3);
    for (int c = 1; c <= 4; ++c) race.RunCorner[i][k][c] = inum(se, se::Jyuni, c);
    race.RunBaTaijyu[i][k] = inum(se, se::BaTaijyu);
    race.RunSyokin[i][k] = static_cast<i32>(num(se, se::Honsyokin) + num(se, se::Fukasyokin));
    race.RunAiteUma[i][k] = get(se, se::AiteBamei).substr(0, 18);
    race.RunTimeSa[i][k] = get(se, se::TimeDiff);
    race.RunOdds[i][k] = get(se, se::Odds);
}

void assembleRuns(const RaceDay& day, int c, int i, TRaceRec& race) {
    for (int k = 1; k <= kMaxEarlierRuns; ++k) {
        const SjisView runRace = day.JvSeiRaTbl(c, i, k - 1).view();
        if (hasYear(runRace)) race.RunDate[i][k] = date(runRace);
    }
    const SjisView ra = day.JvRaTbl[c].view();
    const SjisView se = day.JvSeTbl[c][i].view();
    race.RunDate[i][0] = date(ra);
    std::array<std::optional<int>, kRunIndexes> dayNumbers;
    for (int k = 0; k <= kMaxEarlierRuns; ++k) dayNumbers[k] = civilDayNumber(race.RunDate[i][k]);
    for (int k = 0; k < kMaxEarlierRuns; ++k) race.Kankaku[i][k] = daysBetween(dayNumbers[k + 1], dayNumbers[k]);
    race.RinsenSign[i] = readinessSign(get(se, se::SexCD), race.Kankaku[i]);

    for (int k = 1; k <= kDetailedEarlierRuns; ++k) {
        const SjisView run = day.JvSeiTbl(c, i, k - 1).view();
        if (!hasYear(run)) continue;
        race.RunKey[i][k] = raceKey(run).text();
        fillRunRace(race, i, k, day.JvSeiRaTbl(c, i, k - 1).view());
        fillRunRunner(race, i, k, run);
    }
    race.RunKey[i][0] = raceKey(ra).text();
    fillRunRace(race, i, 0, ra);
    fillRunRunner(race, i, 0, se);
}

// The first seven of the eight digits: thousands of yen.
i32 prizeThousands(SjisView ra, Field f, int n) { return lenientInt(get(ra, f, n).substr(0, 7)); }

void assembleHeader(SjisView ra, TRaceRec& race) {
    race.RacePresent = 1;
    race.RaceKey = raceKey(ra).text();
    race.RaceName = get(ra, ra::Hondai);
    race.GradeCd = get(ra, ra::GradeCD);
    race.JyuryoCd = get(ra, ra::JyuryoCD);
    race.JokenCd = get(ra, ra::JyokenCD, 5);
    race.Kyori = get(ra, ra::Kyori);
    race.TrackCd = get(ra, ra::TrackCD);
    race.HassoTime = get(ra, ra::HassoTime);
    for (int n = 1; n <= 7; ++n) race.HonSyokin[n] = prizeThousands(ra, ra::Honsyokin, n);
    for (int n = 1; n <= 5; ++n) race.FukaSyokin[n] = prizeThousands(ra, ra::Fukasyokin, n);
    // A head count above the 18 runner slots would send every reader past
    // the tables; the slot count in use is stored instead.
    const SjisView heads = get(ra, ra::TorokuTosu);
    const int slots = runnerSlotsOf(heads);
    if (slots == lenientInt(heads))
        race.TorokuTosu = heads;
    else
        race.TorokuTosu = padLeft(formatted("%d", slots), 2);
}

// Finish counts of a group of tracks: groups first..last (1-7) summed per class.
void sumFinishCounts(SjisView um, int first, int last, std::array<i32, kFinishClasses>& counts) {
    for (int c = 0; c < kFinishClasses; ++c) {
        counts[c] = 0;
        for (int g = first; g <= last; ++g) counts[c] += inum(um, um::ChakuKaisuBa, (g - 1) * kFinishClasses + c + 1);
    }
}

void assembleRunner(SjisView se, SjisView um, int i, TRaceRec& race) {
    race.Umaban[i] = get(se, se::Umaban);
    race.Wakuban[i] = get(se, se::Wakuban);
    race.KettoNum[i] = get(se, se::KettoNum);
    race.Bamei[i] = get(se, se::Bamei).substr(0, 18);
    race.SexCd[i] = get(se, se::SexCD);
    race.Barei[i] = get(se, se::Barei);
    race.Futan[i] = get(se, se::Futan);
    race.KisyuCd[i] = get(se, se::KisyuCode);
    race.KisyuName[i] = get(se, se::KisyuRyakusyo);
    race.ChokCd[i] = get(se, se::ChokyosiCode);
    race.ChokName[i] = get(se, se::ChokyosiRyakusyo);
    race.UmaKigoCd[i] = get(se, se::UmaKigoCD);
    race.KeiroCd[i] = get(se, se::KeiroCD);
    race.BanusiName[i] = get(se, se::BanusiName);
    race.TozaiCd[i] = get(se, se::TozaiCD);
    race.Ketto1Name[i] = get(um, um::HansyokuName, 1);
    race.Ketto2Name[i] = get(um, um::HansyokuName, 2);
    race.Ketto3Name[i] = get(um, um::HansyokuName, 3);
    race.BirthDate[i] = get(um, um::BirthDate);
    race.SanchiName[i] = get(um, um::SanchiName);
    race.BreederName[i] = get(um, um::BreederName);
    race.UmLoaded[i] = !um.empty() && um.front() != ' ' ? 1 : 0;
    race.HonSyokinSE[i] = static_cast<i32>(num(se, se::Honsyokin) / 10);
    race.FukaSyokinSE[i] = static_cast<i32>(num(se, se::Fukasyokin) / 10);
    // The horse's earned-prize totals (the prize money that sets its class)
    // from its horse master, in hundreds of yen there and thousands here.
    race.HeichiSyutoku[i] = static_cast<i32>(num(um, um::RuikeiSyutokuHeichi) / 10);
    race.SyogaiSyutoku[i] = static_cast<i32>(num(um, um::RuikeiSyutokuSyogai) / 10);
    sumFinishCounts(um, 1, 3, race.ShibaChaku[i]);
    sumFinishCounts(um, 4, 6, race.DirtChaku[i]);
    sumFinishCounts(um, 7, 7, race.SyogaiChaku[i]);
    race.YozOdds[i] = 0;
}

}  // namespace

SjisView readinessSign(SjisView sexCode, const std::array<i32, kMaxEarlierRuns>& kankaku) {
    static const SjisString kMaleFirst = utf8ToCp932("牡1戦目");
    static const SjisString kMaleThird = utf8ToCp932("牡3戦目");
    static const SjisString kFemaleSecond = utf8ToCp932("牝2戦目");
    if (sexCode == "1") {
        if (kankaku[0] > kRestDays) return kMaleFirst;
        if (kankaku[2] > kRestDays) return kMaleThird;
    } else if (sexCode == "2") {
        if (kankaku[1] > kRestDays) return kFemaleSecond;
    }
    return {};
}

void assembleRace(RaceDay& day, int c) {
    TRaceRec& race = day.RaceTbl[c];
    const SjisView ra = day.JvRaTbl[c].view();
    const int heads = runnerSlotsOf(get(ra, ra::TorokuTosu));
    for (int i = 0; i < heads; ++i) assembleRuns(day, c, i, race);
    assembleHeader(ra, race);
    for (int i = 0; i < heads; ++i) assembleRunner(day.JvSeTbl[c][i].view(), day.JvUmTbl[c][i].view(), i, race);
}

}  // namespace vantor
