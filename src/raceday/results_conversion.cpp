#include "raceday/results_conversion.h"

#include "text/formatted.h"

namespace vantor {
namespace {

using namespace jvdata;

template <std::size_t N>
void convertSingles(SjisView hr, Field horse, Field pay, Field popularity, OneBased<i32, N>& horses,
                    OneBased<i32, N>& pays, OneBased<i32, N>& popularities) {
    for (std::size_t n = 1; n <= N; ++n) {
        const int occurrence = static_cast<int>(n);
        horses[n] = inum(hr, horse, occurrence);
        pays[n] = inum(hr, pay, occurrence);
        popularities[n] = inum(hr, popularity, occurrence);
    }
}

template <std::size_t N>
void convertPairs(SjisView hr, Field kumi, Field pay, Field popularity, OneBased<FixedText<6>, N>& kumis,
                  OneBased<i32, N>& pays, OneBased<i32, N>& popularities) {
    for (std::size_t n = 1; n <= N; ++n) {
        const int occurrence = static_cast<int>(n);
        kumis[n] = combinationText(get(hr, kumi, occurrence));
        pays[n] = inum(hr, pay, occurrence);
        popularities[n] = inum(hr, popularity, occurrence);
    }
}

}  // namespace

SjisString combinationText(SjisView kumi) {
    const std::size_t half = kumi.size() / 2;
    return formatted("%2d-%2d", lenientInt(kumi.substr(0, half)), lenientInt(kumi.substr(half)));
}

void SeiBtnClick(RaceDay& day) {
    for (int r = 0; r < day.RaceCount; ++r) {
        TRaceRec& race = day.RaceTbl[r];
        for (int j = 0; j < kMaxRunners; ++j) {
            const SjisView se = day.JvSeTbl[r][j].view();
            race.KekkaChakujun[j] = inum(se, se::KakuteiJyuni);
            race.KekkaNinki[j] = inum(se, se::Ninki);
            race.KekkaOdds[j] = static_cast<double>(num(se, se::Odds)) / 10;
        }
        const SjisView hr = day.JvHrTbl[r].view();
        convertSingles(hr, hr::TanUmaban, hr::TanPay, hr::TanNinki, race.TanUmaban, race.TanPay, race.TanNinki);
        convertSingles(hr, hr::FukuUmaban, hr::FukuPay, hr::FukuNinki, race.FukuUmaban, race.FukuPay, race.FukuNinki);
        convertPairs(hr, hr::WakurenKumi, hr::WakurenPay, hr::WakurenNinki, race.WakurenKumi, race.WakurenPay,
                     race.WakurenNinki);
        convertPairs(hr, hr::UmarenKumi, hr::UmarenPay, hr::UmarenNinki, race.UmarenKumi, race.UmarenPay,
                     race.UmarenNinki);
        convertPairs(hr, hr::WideKumi, hr::WidePay, hr::WideNinki, race.WideKumi, race.WidePay, race.WideNinki);
    }
}

}  // namespace vantor
