#include "print/race_page.h"

#include "analysis/race_card.h"
#include "codes/circled_number.h"
#include "codes/racing_texts.h"
#include "painting/fonts.h"
#include "painting/page_canvas.h"
#include "print/live_texts.h"
#include "print/page_table.h"
#include "print/page_texts.h"
#include "text/formatted.h"
#include "text/sjis_chars.h"
#include "text/sjis_literal.h"

namespace vantor::print {
namespace {

void drawRaceHeader(draw::PageCanvas& c, const TRaceRec& race) {
    const RaceHeaderTexts header = raceHeaderTexts(race);
    const SjisView key = race.RaceKey;
    c.setFont(kGothicFamily, 10, true);
    c.textOut(210, 220, sjis("ﾚｰｽ"));
    c.setFont(kGothicFamily, 20, true);
    c.textOut(100, 95, trimRightBlanks(header.course));
    c.setPen(10);
    c.setBrush(draw::kBlack);
    c.rectangle(100, 170, 180, 250);
    c.setBrush(std::nullopt);
    const int number = raceNumberOf(key);
    c.setColour(draw::kWhite);
    c.textOut(number > 9 ? 105 : 120, 175, formatted("%d", number));
    c.setColour(draw::kBlack);
    c.setFont(kGothicFamily, 11, true);
    c.textOut(300, 90, raceDatePageText(key));
    c.textOut(900, 90, header.startTime);
    c.setFont(kGothicFamily, 10);
    c.textOut(300, 135, trimRightBlanks(race.RaceName.view()));
    // Scratched and excluded runners are left out of the count; a course
    // change stands for the track and distance, marked as the header marks it.
    c.textOut(300, 170, formatted("%2d", lenientInt(race.TorokuTosu) - race.LiveOut) + sjis("頭"));
    c.textOut(500, 170, header.weightType);
    c.textOut(800, 170, header.raceClass);
    c.textOut(1100, 170, header.track);
    c.textOut(1300, 170,
              race.LiveKyori.empty() ? formatted("%4dm", lenientInt(race.Kyori))
                                     : formatted("%4dm", lenientInt(race.LiveKyori)) + changedMark());
    c.line(300, 210, 1650, 210);
    c.setFont(kGothicFamily, 8);
    if (race.HrLoaded != 0) {
        if (race.TanPay[1] > 0) c.textOut(300, 230, winResultText(race, 1, sjis("【単勝結果】")));
        if (race.TanPay[2] > 0) c.textOut(1000, 230, winResultText(race, 2, sjis("【単勝結果２】")));
    }
    c.setPoints(6);
    c.textOut(1700, 80, sjis("　　　　　　単位（千円）"));
    c.textOut(1700, 100, sjis("　　本賞金　　　付加賞金"));
    for (int j = 0; j < 7; ++j) c.textOut(1700, 120 + 20 * j, prizeLine(j + 1, race.HonSyokin[j + 1]));
    for (int j = 0; j < 5; ++j) c.textOut(1850, 120 + 20 * j, prizeLine(j + 1, race.FukaSyokin[j + 1]));
    drawLiveHeader(c, race, header);
}

// The frame's colour name and number over a box, at row offset v; the
// typeface is the one left from the text before.
void drawFrameMark(draw::PageCanvas& c, int frame, int v) {
    c.setColour(draw::kBlack);
    c.setPoints(9);
    c.textOut(110, v + 300, frameColourName(frame));
    c.setPoints(11);
    c.textOut(115, v + 350, formatted("%d", frame));
}

void drawNumberAndKey(draw::PageCanvas& c, const RaceDay& day, int race, int t, int v) {
    const TRaceRec& rec = day.RaceTbl[static_cast<std::size_t>(race)];
    c.setPoints(11);
    c.textOut(157, v + 300, CircledNumberText(rec.Umaban[t]));
    const SjisView key = day.MarkTbl[static_cast<std::size_t>(race)].SortKey[t];
    if (!key.empty() && key.front() != 'z') c.textOut(162, v + 350, key.substr(0, 1));
}

// The race note on one line under the header's rule and results, as much of
// it as fits beside the prize table.
void drawRaceNote(draw::PageCanvas& c, const draw::TextMeasure& measure, SjisView note) {
    constexpr int kLeft = 300, kRight = 1650;
    c.setColour(draw::kBlack);
    c.setFont(kGothicFamily, 6);
    while (!note.empty() && measure.textWidth(c.font(), note) > kRight - kLeft)
        note = note.substr(0, lastSjisCharStart(note));
    c.textOut(kLeft, 258, note);
}

}  // namespace

draw::Page racePage(const RaceDay& day, int race, RunnerOrder order, const draw::TextMeasure& measure,
                    const PrintedRaceMarks* userMarks) {
    const TRaceRec& rec = day.RaceTbl[static_cast<std::size_t>(race)];
    const TRaceMarkRec& marks = day.MarkTbl[static_cast<std::size_t>(race)];
    const int n = runnerSlotsOf(rec.TorokuTosu);
    draw::PageCanvas c;
    drawRaceHeader(c, rec);
    if (userMarks) drawRaceNote(c, measure, userMarks->note);
    drawTableFrame(c, n);

    int framesStarted = 0;
    std::array<int, 6> groupSizes{};
    for (int t = 0; t < n; ++t) {
        const int frame = lenientInt(rec.Wakuban[t]);
        const int row = order == RunnerOrder::number ? t + 1 : marks.SortRank[t];
        if (row < 1 || row > n) continue;  // a runner without a place in the order is not printed
        const int v = kRowHeight * row;
        if (order == RunnerOrder::number) {
            if (frame == framesStarted) {
                drawRule(c, 150, rowTop(row), 1);
            } else {
                drawFrameMark(c, frame, v);
                drawRule(c, kTableLeft, rowTop(row), 12);
                c.setBrush(std::nullopt);
                c.rectangle(110, v + 340, 140, v + 390);
                ++framesStarted;
            }
        } else {
            drawFrameMark(c, frame, v);
            const int w = t + 1;
            c.setPen(1);
            c.rectangle(110, kRowHeight * w + 340, 140, kRowHeight * w + 390);
            drawRule(c, kTableLeft, rowTop(w), 1);
            const SjisView key = marks.SortKey[t];
            if (!key.empty() && key.front() >= 'a' && key.front() <= 'f')
                ++groupSizes[static_cast<std::size_t>(key.front() - 'a')];
        }
        drawNumberAndKey(c, day, race, t, v);
        drawRunnerTexts(c, day, race, t, v, false,
                        userMarks ? SjisView(userMarks->marks[static_cast<std::size_t>(t)]) : SjisView());
        drawPreviousRuns(c, measure, rec, t, v, 1, rec.HrLoaded != 0);
        drawLiveRunner(c, rec, t, v);
    }
    if (order == RunnerOrder::group) {
        int boundary = 1;
        for (std::size_t g = 0; g < 5; ++g) {
            boundary += groupSizes[g];
            drawRule(c, kTableLeft, rowTop(boundary), 12);
        }
    }
    drawColumnHeadings(c, false);
    return c.take();
}

}  // namespace vantor::print
