#include "print/page_texts.h"

#include "analysis/runner_texts.h"
#include "codes/circled_number.h"
#include "codes/race_key.h"
#include "codes/racing_format.h"
#include "codes/racing_texts.h"
#include "painting/card_run_texts.h"
#include "text/formatted.h"
#include "text/sjis_literal.h"

namespace vantor::print {
namespace {

// The race class of a previous run: a prize class as "1500下", "1億下" for
// 100, the named classes, nothing for any other code.
SjisString runClassText(SjisView conditionCode) {
    static const SjisString below = sjis("下"), hundredMillion = sjis("1億下");
    const long long code = lenientNumber(conditionCode);
    if (code >= 1 && code <= 99) return formatted("%lld", code * 100) + below;
    if (code == 100) return hundredMillion;
    if (code == 701 || code == 702 || code == 703 || code == 999) return raceClassShortText(conditionCode);
    return {};
}

// Weather and going run together: "晴良"; a going code without a name is
// printed as stored.
SjisString weatherGoingPrintText(SjisView weatherCode, SjisView goingCode) {
    const SjisString weather = weatherName(weatherCode), going = goingName(goingCode);
    return (weather.empty() ? SjisString(" ") : weather) + (going.empty() ? SjisString(goingCode) : going);
}

// "#,##0": thousands separated by commas.
SjisString groupedThousands(long long n) {
    const std::string digits = std::to_string(n < 0 ? -n : n);
    SjisString out(n < 0 ? "-"_sjis : ""_sjis);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

}  // namespace

int raceNumberOf(SjisView raceKey) { return lenientInt(RaceKey(raceKey).raceNumber()); }

SjisString winResultText(const TRaceRec& race, int entry, SjisView label) {
    return SjisString(label) + CircledNumber(race.TanUmaban[entry]) + formatted("(%2d", race.TanNinki[entry]) +
           sjis("人気)【配当】") + formatted("%7d", race.TanPay[entry]) + sjis("円");
}

SjisString frameColourName(int frame) {
    static const std::array<SjisString, 8> names{sjis("白"), sjis("黒"), sjis("赤"), sjis("青"),
                                                 sjis("黄"), sjis("緑"), sjis("橙"), sjis("桃")};
    return frame >= 1 && frame <= 8 ? names[static_cast<std::size_t>(frame - 1)] : SjisString();
}

SjisString prizeLine(int place, i32 thousands) { return CircledNumber(place) + formatted("%8d", thousands); }

SjisString trainerListTitle(SjisView raceKey) {
    const RaceKey key(raceKey);
    return SjisString(key.year()) + sjis("年") + ZeroBlank(key.month()) + sjis("月") + ZeroBlank(key.day()) +
           sjis("日　調教師別ﾘｽﾄ");
}

bool hasPrintedRun(const TRaceRec& race, int runner, int run) {
    return !trimBlanks(RaceKey(race.RunKey[runner][run]).course()).empty();
}

PrintedRun printedRun(const TRaceRec& race, int t, int k, bool oddsLine) {
    static const SjisString heads = sjis("頭"), popularity = sjis("人"), noTime("----"), noFurlongs("3F---"),
                            thousandYen = sjis("千円  ");
    const SjisView key = race.RunKey[t][k];
    const RaceKey run(key);
    PrintedRun out;

    const SjisString name = card::cleanName(race.RunRyaku[t][k]);
    out.lines[0] = SjisString(run.meetingDigit()) + raceCourseShort(key) + " " + SjisString(run.month()) + "." +
                   SjisString(run.day()) + " " + (name.empty() ? runClassText(race.RunJokenCd[t][k]) : name);

    const int number = race.RunUmaban[t][k];
    out.lines[1] = formatted("%2d", race.RunTosu[t][k]) + heads + (number < 1 ? SjisString() : CircledNumber(number)) +
                   formatted("%4d", race.RunKyori[t][k]) + trackName(race.RunTrackCd[t][k]) +
                   weatherGoingPrintText(race.RunTenkoCd[t][k], race.RunBabaCd[t][k]);

    const int ninki = race.RunNinki[t][k];
    out.lines[2] = SjisString(race.RunKisyuName[t][k]) + formatted("%.1fKg ", race.RunFutan[t][k] / 10.0) +
                   (ninki < 1 ? SjisString() : formatted("%2d", ninki) + popularity);

    SjisString timeLine = race.RunTime[t][k] == "0000" ? noTime : SjisString(race.RunTime[t][k]);
    for (int corner = 1; corner <= 4; ++corner) timeLine += card::cornerText(race.RunCorner[t][k][corner]);
    if (race.RunAgari[t][k] == "000") {
        timeLine += noFurlongs;
    } else {
        timeLine += "3F";
        timeLine += race.RunAgari[t][k].view();
    }
    out.lines[3] = timeLine;

    // Prize money is held in hundreds of yen and printed in thousands, as on the screen card.
    const int bodyWeight = race.RunBaTaijyu[t][k];
    out.lines[4] = (bodyWeight < 1 ? SjisString() : formatted("%3dKg", bodyWeight)) + " " +
                   groupedThousands(race.RunSyokin[t][k] / 10) + thousandYen;

    out.lines[5] = oddsLine ? winOddsCardText(race.RunOdds[t][k])
                            : card::marginText(RemoveFullWidthBlanks(race.RunAiteUma[t][k]), race.RunTimeSa[t][k]);

    const int position = race.RunChakujun[t][k];
    out.finish = position < 1 ? SjisString("-") : formatted("%2d", position);
    return out;
}

}  // namespace vantor::print
