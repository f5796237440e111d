#include "analysis/race_card.h"

#include "codes/course_names.h"
#include "codes/horse_codes.h"
#include "codes/race_key.h"
#include "codes/racing_format.h"
#include "codes/racing_texts.h"
#include "analysis/runner_texts.h"
#include "text/formatted.h"
#include "text/sjis_literal.h"

namespace vantor {
namespace {

SjisString weightTypeText(SjisView code) {
    static const std::array<SjisString, 4> texts{sjis("ハンデ"), sjis("別定　"), sjis("馬齢　"), sjis("定量　")};
    if (code.size() == 1 && code[0] >= '1' && code[0] <= '4') return texts[static_cast<std::size_t>(code[0] - '1')];
    return {};
}

}  // namespace

RaceHeaderTexts raceHeaderTexts(const TRaceRec& rec) {
    const RaceKey key(rec.RaceKey);
    RaceHeaderTexts h;
    h.grade = gradeText(rec.GradeCd);
    h.course = CourseName(key.course(), 0).value_or(SjisString());
    h.raceNumber = formatted("%lld", lenientNumber(key.raceNumber()));
    h.dateLine = raceDateHeaderText(rec.RaceKey);
    h.raceName = rec.RaceName.str();
    h.weightType = weightTypeText(rec.JyuryoCd);
    h.raceClass = raceClassHeaderText(rec.JokenCd);
    // A post-time or course change announced that day stands for the card's
    // value and is marked.
    const SjisString changed = changedMark();
    h.track = rec.LiveTrackCd.empty() ? trackName(rec.TrackCd) : trackName(rec.LiveTrackCd) + changed;
    h.distance = rec.LiveKyori.empty() ? ZeroBlank(rec.Kyori) + "m" : ZeroBlank(rec.LiveKyori) + "m" + changed;
    const SjisView post = rec.LivePostTime.empty() ? rec.HassoTime.view() : rec.LivePostTime.view();
    h.startTime = SjisString(field(post, 1, 2)) + sjis("時") + SjisString(field(post, 3, 2)) + sjis("分発走") +
                  (rec.LivePostTime.empty() ? SjisString() : changed);
    // Runners scratched or excluded are left out of the count.
    h.headCount = rec.LiveOut == 0 ? ZeroBlank(rec.TorokuTosu) + sjis("頭")
                                   : formatted("%d", runnerSlotsOf(rec.TorokuTosu.view()) - rec.LiveOut) + sjis("頭");
    h.weatherGoing = liveWeatherGoingText(rec.LiveTenkoCd, rec.LiveSibaBabaCd, rec.LiveDirtBabaCd, rec.LiveBabaTime);
    h.oddsTime = oddsAsOfText(rec.LiveOddsTime);
    return h;
}

PayoutLabelTexts payoutLabelTexts(const TRaceRec& rec) {
    PayoutLabelTexts out;
    int e = 0;
    const auto single = [&](const auto& umaban, const auto& ninki, const auto& pay) {
        for (std::size_t n = 1; n <= umaban.items.size(); ++n, ++e)
            if (umaban[n] != 0)
                out[e] = {formatted("%2d", umaban[n]), popularityPayoutText(ninki[n]), formatted("%8d", pay[n])};
    };
    const auto pair = [&](const auto& kumi, const auto& ninki, const auto& pay) {
        for (std::size_t n = 1; n <= kumi.items.size(); ++n, ++e)
            if (kumi[n] != " 0- 0" && !trimBlanks(kumi[n]).empty())
                out[e] = {kumi[n].str(), popularityPayoutText(ninki[n]), formatted("%8d", pay[n])};
    };
    single(rec.TanUmaban, rec.TanNinki, rec.TanPay);
    single(rec.FukuUmaban, rec.FukuNinki, rec.FukuPay);
    pair(rec.WakurenKumi, rec.WakurenNinki, rec.WakurenPay);
    pair(rec.UmarenKumi, rec.UmarenNinki, rec.UmarenPay);
    pair(rec.WideKumi, rec.WideNinki, rec.WidePay);
    return out;
}

SjisString weekSlotText(SjisView date, int interval, int position) {
    SjisString cell = trimBlanks(date).empty() ? SjisString(10, ' ') : dottedDate(date);
    cell += ' ';
    cell += interval >= 56 ? '*' : ' ';
    cell += interval < 1 ? SjisString(4, ' ') : formatted("%2d", interval) + sjis("日");
    cell += ' ';
    cell += finishListText(position);
    return cell;
}

RaceCardTexts assembleRaceCard(const RaceDay& day, int race) {
    RaceCardTexts out;
    if (race < 0 || race >= kMaxRaces) return out;
    const TRaceRec& rec = day.RaceTbl[static_cast<std::size_t>(race)];
    const TRaceMarkRec& marks = day.MarkTbl[static_cast<std::size_t>(race)];
    out.runners = runnerSlotsOf(rec.TorokuTosu);
    out.header = raceHeaderTexts(rec);
    out.payouts = payoutLabelTexts(rec);
    bool incomplete = false;
    for (std::size_t j = 0; j < static_cast<std::size_t>(out.runners); ++j) {
        if (lenientNumber(rec.Wakuban[j]) < 1) incomplete = true;
        auto& sign = out.signRows.emplace_back();
        sign[0] = rec.Wakuban[j].str();
        sign[1] = ZeroBlank(rec.Umaban[j]);
        sign[kSignUserMarkColumn] = rec.UserMark[j].str();
        if (marks.SameBanusi[j]) sign[3] = card::markShortName(rec.BanusiName[j]);
        if (marks.SameChok[j]) sign[4] = card::markShortName(rec.ChokName[j]);
        sign[5] = rec.Bamei[j].str();
        sign[6] = card::sexAgeText(rec, static_cast<int>(j));
        sign[7] = rec.KisyuName[j].str();
        sign[8] = rec.ChokName[j].str();
        sign[9] = rec.BanusiName[j].str();
        if (rec.YozRank[j] > 0) {
            sign[10] = predictedOddsText(rec.YozOdds[j]);
            sign[11] = formatted("%2d", rec.YozRank[j]);
        }

        auto& check = out.checkRows.emplace_back();
        check[kCheckBracketColumn] = rec.Wakuban[j].str();
        check[kCheckNumberColumn] = rec.Umaban[j].str();
        check[kCheckUserMarkColumn] = rec.UserMark[j].str();
        check[kCheckMarksColumn] = rec.RinsenSign[j].str();
        check[kCheckHorseColumn] = rec.Bamei[j].str();
        check[kCheckJockeyColumn] = rec.KisyuName[j].str();
        check[kCheckTrainerColumn] = rec.ChokName[j].str();
        for (std::size_t w = 1; w <= kWeekSlots; ++w)
            check[kCheckFirstWeekColumn + w - 1] = weekSlotText(marks.SyuDate[j][w], marks.SyuKankaku[j][w], marks.SyuChakujun[j][w]);
    }
    if (incomplete)
        out.incompleteMessage = CourseName(RaceKey(rec.RaceKey).course(), 2).value_or(SjisString()) +
                                ZeroBlank(RaceKey(rec.RaceKey).raceNumber()) + sjis("Rはデータ作成が未完了です。");
    return out;
}

}  // namespace vantor
