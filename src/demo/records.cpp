#include "demo/records.h"

#include <algorithm>
#include <cstdlib>

#include "codes/calendar.h"
#include "demo/race_names.h"
#include "record_layouts/jvdata_record.h"
#include "text/formatted.h"

namespace vantor::demo {
namespace {

using jvdata::RecordBuilder;

// Race type code: 11 two-year-olds, 12 three-year-olds, 13 three and up,
// 14 four and up; 18 and 19 the jump races for three and four and up.
int syubetuOf(const Race& race) {
    if (race.surface == Surface::jump) return race.age == AgeGroup::fourUp ? 19 : 18;
    return 11 + static_cast<int>(race.age);
}

// Condition codes: 701 newcomers, 702 unraced, 703 maidens, 005 / 010 /
// 016 the one, two and three win classes, 999 open.
int jyokenOf(RaceClass cls) {
    constexpr int kCodes[] = {701, 702, 703, 5, 10, 16, 999};
    return kCodes[static_cast<int>(cls)];
}

int mssT(int tenths) { return tenths / 600 * 1000 + tenths / 10 % 60 * 10 + tenths % 10; }

}  // namespace

void raceHeader(RecordBuilder& b, const Race& race, RecordStamp stamp) {
    namespace ra = jvdata::ra;
    const char kind[] = {stamp.dataKind, 0};
    b.text(ra::DataKubun, sjisBytes(kind))
        .number(ra::MakeDate, stamp.makeDate)
        .number(ra::Year, race.date / 10000)
        .number(ra::MonthDay, race.date % 10000)
        .text(ra::JyoCD, sjisBytes(std::string_view(race.course.data(), 2)))
        .number(ra::Kaiji, race.kaiji)
        .number(ra::Nichiji, race.nichiji)
        .number(ra::RaceNum, race.raceNum);
}

SjisString timeDiffText(const Run& run) {
    if (run.status == RunStatus::scratched) return SjisString("0000");
    if (run.status == RunStatus::stopped) return SjisString("+999");
    return formatted("%c%03d", run.position == 1 ? '-' : '+', std::min(999, std::abs(run.timeDiff)));
}

void appendRa(SjisString& out, const Race& race, RecordStamp stamp, bool results) {
    namespace ra = jvdata::ra;
    RecordBuilder b(jvdata::kRaLayout);
    raceHeader(b, race, stamp);
    b.number(ra::YoubiCD, race.youbi)
        .text(ra::Hondai, race.name)
        .text(ra::Ryakusyo10, shortForm(race.name, ra::Ryakusyo10.len))
        .text(ra::Ryakusyo6, shortForm(race.name, ra::Ryakusyo6.len))
        .text(ra::Ryakusyo3, race.shortName)
        .text(ra::GradeCD, sjisBytes(std::string_view(&race.grade, 1)))
        .number(ra::SyubetuCD, syubetuOf(race))
        .text(ra::KigoCD, "000")
        .number(ra::JyuryoCD, race.weightType)
        .text(ra::JyokenName, race.conditionName)
        .number(ra::Kyori, race.distance)
        .number(ra::KyoriBefore, 0)
        .number(ra::TrackCD, race.trackCD)
        .number(ra::TrackCDBefore, 0)
        .number(ra::HassoTime, race.startTime)
        .number(ra::HassoTimeBefore, 0)
        .number(ra::TorokuTosu, race.declared)
        .number(ra::SyussoTosu, results ? race.starters : race.declared)
        .number(ra::NyusenTosu, results ? race.finishers : 0)
        .number(ra::TenkoCD, results ? race.weather : 0)
        .number(ra::SibaBabaCD, results ? race.turfGoing : 0)
        .number(ra::DirtBabaCD, results ? race.dirtGoing : 0)
        .number(ra::HaronTimeS3, results ? race.first3F : 0)
        .number(ra::HaronTimeL3, results ? race.last3F : 0)
        .text(ra::RecordUpKubun, "0");
    // The condition code of each age group the race is open to; the last
    // one is that of the youngest horses.
    const int code = jyokenOf(race.cls);
    const bool ages[4] = {race.age == AgeGroup::two, race.age == AgeGroup::three || race.age == AgeGroup::threeUp,
                          race.age == AgeGroup::threeUp || race.age == AgeGroup::fourUp,
                          race.age == AgeGroup::threeUp || race.age == AgeGroup::fourUp};
    for (int n = 1; n <= 4; ++n) b.number(ra::JyokenCD, ages[n - 1] ? code : 0, n);
    b.number(ra::JyokenCD, code, 5);
    for (int n = 1; n <= ra::Honsyokin.count; ++n)
        b.number(ra::Honsyokin, race.prize[static_cast<std::size_t>(n - 1)], n);
    for (int n = 1; n <= ra::HonsyokinBefore.count; ++n) b.number(ra::HonsyokinBefore, 0, n);
    for (int n = 1; n <= ra::Fukasyokin.count; ++n)
        b.number(ra::Fukasyokin, race.added[static_cast<std::size_t>(n - 1)], n);
    for (int n = 1; n <= ra::FukasyokinBefore.count; ++n) b.number(ra::FukasyokinBefore, 0, n);
    out += b.record();
}

void appendSe(SjisString& out, const World& world, const Race& race, const Run& run, RecordStamp stamp, bool results) {
    namespace se = jvdata::se;
    const Horse& h = world.horses[run.horse];
    const Trainer& trainer = world.trainers[h.trainer];
    const Owner& owner = world.owners[h.owner];
    const Jockey& jockey = world.jockeys[run.jockey];
    RecordBuilder b(jvdata::kSeLayout);
    raceHeader(b, race, stamp);
    b.number(se::Wakuban, run.waku)
        .number(se::Umaban, run.umaban)
        .number(se::KettoNum, h.id)
        .text(se::Bamei, h.name)
        .number(se::UmaKigoCD, h.symbol)
        .number(se::SexCD, h.sex)
        .text(se::HinsyuCD, "1")
        .number(se::KeiroCD, h.coat)
        .number(se::Barei, run.age)
        .number(se::TozaiCD, h.tozai)
        .number(se::ChokyosiCode, trainer.code)
        .text(se::ChokyosiRyakusyo, trainer.name)
        .number(se::BanusiCode, owner.code)
        .text(se::BanusiName, owner.name)
        .text(se::Fukusyoku, owner.colours)
        .number(se::Futan, run.futan)
        .number(se::FutanBefore, 0)
        .text(se::Blinker, "0")
        .number(se::KisyuCode, jockey.code)
        .number(se::KisyuCodeBefore, 0)
        .text(se::KisyuRyakusyo, jockey.name)
        .number(se::MinaraiCD, jockey.minarai)
        .number(se::MinaraiCDBefore, 0)
        .text(se::RecordUpKubun, "0");
    if (!results) {
        b.number(se::BaTaijyu, 0).number(se::IJyoCD, 0).number(se::NyusenJyuni, 0).number(se::KakuteiJyuni, 0);
        b.number(se::DochakuKubun, 0).number(se::DochakuTosu, 0).number(se::Time, 0).number(se::Odds, 0);
        b.number(se::Ninki, 0).number(se::Honsyokin, 0).number(se::Fukasyokin, 0).number(se::HaronTimeL3, 0);
        b.text(se::TimeDiff, "0000");
        for (int n = 1; n <= 4; ++n) b.number(se::Jyuni, 0, n);
        out += b.record();
        return;
    }
    const bool started = run.status != RunStatus::scratched;
    const bool weighed = started && run.bodyWeight > 0;
    b.number(se::BaTaijyu, weighed ? run.bodyWeight : 0);
    if (weighed && !run.firstStart) {
        b.text(se::ZogenFugo, run.weightChange > 0   ? "+"_sjis
                              : run.weightChange < 0 ? "-"_sjis
                                                     : " "_sjis)
            .number(se::ZogenSa, std::abs(run.weightChange));
    }
    b.number(se::IJyoCD, run.status == RunStatus::scratched ? 1
                         : run.status == RunStatus::stopped ? 4
                                                            : 0)
        .number(se::NyusenJyuni, run.position)
        .number(se::KakuteiJyuni, run.position)
        .number(se::DochakuKubun, run.deadHeat ? 1 : 0)
        .number(se::DochakuTosu, run.deadHeat ? 1 : 0)
        .number(se::Time, mssT(run.time))
        .number(se::Odds, run.odds)
        .number(se::Ninki, run.ninki)
        .number(se::Honsyokin, run.prize)
        .number(se::Fukasyokin, run.added)
        .number(se::HaronTimeL3, run.last3F)
        .text(se::TimeDiff, timeDiffText(run))
        .number(se::KyakusituKubun, run.style);
    for (int n = 1; n <= 4; ++n) b.number(se::Jyuni, run.corners[static_cast<std::size_t>(n - 1)], n);
    if (run.rivalHorse >= 0) {
        const Horse& rival = world.horses[static_cast<std::size_t>(run.rivalHorse)];
        b.number(se::AiteKettoNum, rival.id, 1).text(se::AiteBamei, rival.name, 1);
    } else if (run.rivalName >= 0) {
        b.text(se::AiteBamei, world.outsideNames[static_cast<std::size_t>(run.rivalName)], 1);
    }
    out += b.record();
}

void appendHr(SjisString& out, const World& world, const Race& race, RecordStamp stamp) {
    namespace hr = jvdata::hr;
    const Payout& p = world.payouts[static_cast<std::size_t>(race.payout)];
    RecordBuilder b(jvdata::kHrLayout);
    raceHeader(b, race, stamp);
    b.number(hr::TorokuTosu, race.declared).number(hr::SyussoTosu, race.starters);
    const bool refunds = race.starters < race.declared;
    for (int n = 1; n <= 9; ++n) {
        b.number(hr::FuseirituFlag, 0, n).number(hr::TokubaraiFlag, 0, n).number(hr::HenkanFlag, refunds ? 1 : 0, n);
    }
    for (int n = 1; n <= hr::HenkanUma.count; ++n) b.number(hr::HenkanUma, 0, n);
    for (int r = 0; r < race.runCount; ++r) {
        const Run& run = world.runs[static_cast<std::size_t>(race.firstRun + r)];
        if (run.status == RunStatus::scratched) b.number(hr::HenkanUma, 1, run.umaban);
    }
    for (int n = 1; n <= 8; ++n) b.number(hr::HenkanWaku, 0, n).number(hr::HenkanDoWaku, 0, n);

    // Each entry: the numbers joined digit-wise (two digits a horse, one a bracket).
    const auto put = [&b](const auto& list, jvdata::Field kumi, jvdata::Field pay, jvdata::Field ninki, int width,
                          int count) {
        for (int i = 0; i < list.count; ++i) {
            const Combo& c = list.items[static_cast<std::size_t>(i)];
            long long joined = 0;
            for (int k = 0; k < count; ++k)
                joined = joined * (width == 1 ? 10 : 100) + c.nums[static_cast<std::size_t>(k)];
            b.number(kumi, joined, i + 1).number(pay, c.pay, i + 1).number(ninki, c.ninki, i + 1);
        }
    };
    put(p.win, hr::TanUmaban, hr::TanPay, hr::TanNinki, 2, 1);
    put(p.place, hr::FukuUmaban, hr::FukuPay, hr::FukuNinki, 2, 1);
    put(p.bracket, hr::WakurenKumi, hr::WakurenPay, hr::WakurenNinki, 1, 2);
    put(p.quinella, hr::UmarenKumi, hr::UmarenPay, hr::UmarenNinki, 2, 2);
    put(p.wide, hr::WideKumi, hr::WidePay, hr::WideNinki, 2, 2);
    put(p.exacta, hr::UmatanKumi, hr::UmatanPay, hr::UmatanNinki, 2, 2);
    put(p.trio, hr::SanrenpukuKumi, hr::SanrenpukuPay, hr::SanrenpukuNinki, 2, 3);
    put(p.trifecta, hr::SanrentanKumi, hr::SanrentanPay, hr::SanrentanNinki, 2, 3);
    out += b.record();
}

void appendUm(SjisString& out, const World& world, const Horse& h, const CareerStats& s, RecordStamp stamp,
              bool retired) {
    namespace um = jvdata::um;
    const Trainer& trainer = world.trainers[h.trainer];
    const Owner& owner = world.owners[h.owner];
    const Breeder& breeder = world.breeders[h.breeder];
    const char kind[] = {stamp.dataKind, 0};
    RecordBuilder b(jvdata::kUmLayout);
    b.text(um::DataKubun, sjisBytes(kind))
        .number(um::MakeDate, stamp.makeDate)
        .number(um::KettoNum, h.id)
        .number(um::DelKubun, retired ? 1 : 0)
        .number(um::RegDate, h.regDate)
        .number(um::DelDate, retired ? ymdFromDay(h.retireDay) : 0)
        .number(um::BirthDate, h.birthDate)
        .text(um::Bamei, h.name)
        .text(um::BameiEng, sjisBytes(h.nameEng))
        .number(um::ZaikyuFlag, retired ? 0 : 1)
        .number(um::UmaKigoCD, h.symbol)
        .number(um::SexCD, h.sex)
        .text(um::HinsyuCD, "1")
        .number(um::KeiroCD, h.coat)
        .number(um::TozaiCD, h.tozai)
        .number(um::ChokyosiCode, trainer.code)
        .text(um::ChokyosiRyakusyo, trainer.name)
        .number(um::BreederCode, breeder.code)
        .text(um::BreederName, breeder.name)
        .text(um::SanchiName, breeder.place)
        .number(um::BanusiCode, owner.code)
        .text(um::BanusiName, owner.name)
        .number(um::RuikeiHonsyoHeiti, s.flatPrize)
        .number(um::RuikeiHonsyoSyogai, s.jumpPrize)
        .number(um::RuikeiFukaHeichi, s.flatAdded)
        .number(um::RuikeiFukaSyogai, s.jumpAdded)
        .number(um::RuikeiSyutokuHeichi, s.flatEarned)
        .number(um::RuikeiSyutokuSyogai, s.jumpEarned)
        .number(um::RaceCount, s.starts);

    // Sire, dam and dam's sire first, then the rest of three generations.
    const Line& sire = world.lines[h.sireLine];
    const Line& dam = world.lines[h.damLine];
    const std::uint32_t pedigree[14] = {sire[0], dam[0],  dam[1],  sire[1], sire[2], dam[2], sire[3],
                                        sire[4], sire[5], sire[6], dam[3],  dam[4],  dam[5], dam[6]};
    for (int n = 1; n <= 14; ++n) {
        const Ancestor& a = world.ancestors[pedigree[n - 1]];
        b.number(um::HansyokuNum, a.id, n).text(um::HansyokuName, a.name, n);
    }
    for (int c = 0; c < 6; ++c) {
        const std::size_t i = static_cast<std::size_t>(c);
        b.number(um::ChakuSogo, s.all[i], c + 1).number(um::ChakuChuo, s.jra[i], c + 1);
        for (std::size_t g = 0; g < s.byTrack.size(); ++g)
            b.number(um::ChakuKaisuBa, s.byTrack[g][i], static_cast<int>(g * 6 + i + 1));
        for (std::size_t g = 0; g < s.byGoing.size(); ++g)
            b.number(um::ChakuKaisuJyotai, s.byGoing[g][i], static_cast<int>(g * 6 + i + 1));
        for (std::size_t g = 0; g < s.byDistance.size(); ++g)
            b.number(um::ChakuKaisuKyori, s.byDistance[g][i], static_cast<int>(g * 6 + i + 1));
    }
    for (int n = 1; n <= 4; ++n) b.number(um::Kyakusitu, s.styles[static_cast<std::size_t>(n - 1)], n);
    out += b.record();
}

}  // namespace vantor::demo
