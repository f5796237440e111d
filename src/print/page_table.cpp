#include "print/page_table.h"

#include "analysis/runner_texts.h"
#include "painting/fonts.h"
#include "print/page_texts.h"
#include "text/formatted.h"
#include "text/sjis_literal.h"

namespace vantor::print {
namespace {

constexpr draw::Rgb kSilver{0xC0, 0xC0, 0xC0};
constexpr int kHeadingBandBottom = 406;
constexpr int kRunHeadingsTop = 380;

constexpr int kRunColumnWidth = 220;
constexpr int kFinishOffset = 180;  // the finishing position from the column's left

int runColumnX(int k) { return 673 + kRunColumnWidth * k; }

struct Caption {
    int x, y;
    const char* text;
};

void captions(draw::PageCanvas& c, std::initializer_list<Caption> list) {
    for (const Caption& caption : list) c.textOut(caption.x, caption.y, sjis(caption.text));
}

}  // namespace

void drawRule(draw::PageCanvas& c, int x, int y, int pen) {
    c.setPen(pen);
    c.line(x, y, kTableRight, y);
}

void drawTableFrame(draw::PageCanvas& c, int rows) {
    const int bottom = tableBottom(rows);
    c.setPen(20);
    c.setBrush(kSilver);
    c.rectangle(kTableLeft, kTableTop, kTableRight, kHeadingBandBottom);
    c.setBrush(std::nullopt);
    c.rectangle(kTableLeft, kTableTop, kTableRight, bottom);
    c.setPen(5);
    for (const int x : {150, 200, 635, 750, 890}) c.line(x, kTableTop, x, bottom);
    for (const int x : {1110, 1330, 1550, 1770}) c.line(x, kRunHeadingsTop, x, bottom);
    c.line(890, kRunHeadingsTop, kTableRight, kRunHeadingsTop);
}

void drawColumnHeadings(draw::PageCanvas& c, bool currentRace) {
    c.setColour(draw::kBlack);
    c.setFont(kGothicFamily, 11);
    captions(c, {{105, 300, "枠"}, {155, 300, "馬"}, {105, 340, "番"}, {155, 340, "番"}});
    c.setFont(kGothicFamily, 10);
    captions(c, {{205, 327, "馬名"}});
    c.setFont(kPGothicFamily, 7);
    captions(c, {{530, 285, "性齢毛色"}});
    c.setFont(kPGothicFamily, 6);
    captions(c, {{205, 285, "父"},
                 {205, 305, "馬記号・産地・生年月日"},
                 {205, 363, "母"},
                 {205, 383, "母父"},
                 {470, 363, "馬主"},
                 {470, 383, "生産者"},
                 {640, 285, "騎手名"},
                 {640, 305, "負担重量"},
                 {640, 363, "調教師名"},
                 {750, 283, "取得賞金"},
                 {750, 303, "総賞金"},
                 {750, 323, "入着回数(芝)"},
                 {750, 343, "入着回数(ダ)"},
                 {750, 363, "入着回数(障)"},
                 {750, 383, "予想配当・順位"},
                 {892, 282, "１行目＝開催回次・開催場所・開催日・条件又はｸﾞﾚｰﾄﾞ"},
                 {892, 304, "２行目＝頭数・ｹﾞｰﾄ・距離・トラック・天候・馬場状態　　３行目＝騎手・負担重量・単勝人気"},
                 {892, 326, "４行目＝ﾀｲﾑ・ｺｰﾅｰ順位・3Fﾀｲﾑ　　５行目＝馬体重・総賞金・着順(右端大字)"},
                 {892, 348, "６行目＝１着馬(当該馬が１着の場合は２着馬)・着差[当該ﾚｰｽの場合は単勝確定ｵｯｽﾞ]"}});
    static const SjisString previous = sjis("前走-");
    if (currentRace) {
        c.textOut(893, 382, sjis("当該ﾚｰｽ"));
        for (int k = 1; k <= kPreviousRuns - 1; ++k) c.textOut(893 + 220 * k, 382, previous + formatted("%d", k));
    } else {
        for (int k = 1; k <= kPreviousRuns; ++k) c.textOut(runColumnX(k), 382, previous + formatted("%d", k));
    }
}

void drawRunnerTexts(draw::PageCanvas& c, const RaceDay& day, int race, int t, int v, bool prizesAlways,
                     SjisView userMark) {
    // A full-width glyph of 10 points is 35 units wide; the name follows a little apart.
    constexpr int kUserMarkWidth = 40;
    const TRaceRec& rec = day.RaceTbl[static_cast<std::size_t>(race)];
    c.setColour(draw::kBlack);
    if (!userMark.empty()) {
        c.setFont(kGothicFamily, 10, true);
        c.textOut(205, v + 330, userMark);
    }
    c.setFont(kPGothicFamily, 9);
    c.textOut(userMark.empty() ? 205 : 205 + kUserMarkWidth, v + 333, rec.Bamei[t]);
    c.setFont(kPGothicFamily, 7);
    c.textOut(530, v + 285, card::profileText(rec, t));
    c.setFont(kPGothicFamily, 6);
    c.textOut(205, v + 285, card::cleanName(rec.Ketto1Name[t]));
    c.textOut(205, v + 310, card::originText(rec, t));
    c.textOut(205, v + 363, card::cleanName(rec.Ketto2Name[t]));
    c.textOut(205, v + 383, card::cleanName(rec.Ketto3Name[t]));
    c.textOut(470, v + 363, card::cardShortName(rec.BanusiName[t], 16));
    c.textOut(470, v + 383, card::cardShortName(rec.BreederName[t], 16));
    // A jockey change announced that day: the new jockey in red and the weight he carries.
    const bool changed = !rec.LiveKisyuName[t].empty();
    if (changed) c.setColour(draw::kRed);
    c.textOut(640, v + 285, changed ? sjis("替 ") + rec.LiveKisyuName[t].str() : rec.KisyuName[t].str());
    c.textOut(
        640, v + 310,
        card::carriedWeightText(changed && !rec.LiveFutan[t].empty() ? rec.LiveFutan[t].view() : rec.Futan[t].view()));
    c.setColour(draw::kBlack);
    c.textOut(640, v + 370, rec.ChokName[t]);
    c.setFont(kGothicFamily, 6);
    if (prizesAlways || rec.UmLoaded[t] != 0) {
        c.textOut(750, v + 285, card::earnedPrizeText(rec, t));
        c.textOut(750, v + 305, card::totalPrizeText(rec, t));
        c.textOut(750, v + 325, card::placingsText(rec.ShibaChaku[t]));
        c.textOut(750, v + 345, card::placingsText(rec.DirtChaku[t]));
        c.textOut(750, v + 365, card::placingsText(rec.SyogaiChaku[t]));
    }
    if (rec.YozLoaded != 0) c.textOut(750, v + 385, card::predictedOddsRankText(rec, t));
}

void drawPreviousRuns(draw::PageCanvas& c, const draw::TextMeasure& measure, const TRaceRec& race, int t, int v,
                      int firstRun, bool oddsInFirstColumn) {
    for (int k = 1; k <= kPreviousRuns; ++k) {
        const int run = firstRun + k - 1;
        if (!hasPrintedRun(race, t, run)) continue;
        const PrintedRun printed = printedRun(race, t, run, k == 1 && oddsInFirstColumn);
        const int x = runColumnX(k);
        for (std::size_t line = 0; line < printed.lines.size(); ++line) {
            // Lines 4 and 5 stand beside the finishing position.
            const int room = line == 3 || line == 4 ? kFinishOffset - 4 : kRunColumnWidth - 6;
            c.setFont(kPGothicFamily, 6);
            if (measure.textWidth(c.font(), printed.lines[line]) > room) c.setPoints(5);
            c.textOut(x, v + 282 + 20 * static_cast<int>(line), printed.lines[line]);
        }
        c.setPoints(8);
        c.setBold(true);
        c.textOut(x + kFinishOffset, v + 357, printed.finish);
        c.setBold(false);
    }
}

}  // namespace vantor::print
