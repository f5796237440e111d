// The race card's run columns: column 5 the race itself, columns 6 to 10
// the runner's last five runs, six lines each.

#include "codes/race_key.h"
#include "codes/racing_texts.h"
#include "painting/card_columns.h"
#include "painting/card_run_texts.h"

namespace vantor::card {
namespace {

// Line 4 of a run that has a time: the time, the positions at the four
// corners and the last three furlongs.
void timeLine(draw::CellCanvas& c, const TRaceRec& race, int runner, int k, const CellBox& box, int y) {
    c.textOut(box.x0(), y, race.RunTime[runner][k]);
    c.setPoints(9);
    int x = 0, width = 0;
    for (int corner = 1; corner <= 4; ++corner) {
        x = box.gridLine + 30 + 12 * (corner - 1);
        width = c.textOut(x, y, cornerText(race.RunCorner[runner][k][corner]));
    }
    c.setPoints(8);
    c.textOut(x + width, y, lastFurlongsText(race.RunAgari[runner][k]));
}

}  // namespace

draw::Ops runCell(const TRaceRec& race, int runner, int k, const CellBox& box) {
    draw::CellCanvas c = cardCanvas(box);
    c.fill(draw::kWhite);
    // Before its payouts are in, a race with predicted odds leaves its own column empty.
    if (k == 0 && race.HrLoaded == 0 && race.YozLoaded != 0) {
        c.setPoints(9);
        c.bottomLine();
        return c.take();
    }
    c.setPoints(8);
    const SjisView key = race.RunKey[runner][k];
    if (trimBlanks(RaceKey(key).year()).empty()) return c.take();  // no run: blank, without a line

    int y = box.y0();
    int x = box.x0() + c.textOut(box.x0(), y, runPlaceDate(key)) + 5;
    c.textOut(x, y, runRaceName(race.RunRyaku[runner][k], race.RunJokenCd[runner][k]));

    y += c.lastHeight();
    x = box.x0() +
        c.textOut(box.x0(), y,
                  runFieldText(race.RunTosu[runner][k], race.RunUmaban[runner][k], race.RunKyori[runner][k]));
    if (const auto track = trackText(race.RunTrackCd[runner][k])) {
        c.setColour(track->colour);
        x += c.textOut(x, y, track->text);
    }
    c.setColour(draw::kBlack);
    c.textOut(x, y, weatherGoingText(race.RunTenkoCd[runner][k], race.RunBabaCd[runner][k]));

    y += c.lastHeight();
    c.textOut(box.x0(), y,
              runRiderText(race.RunKisyuName[runner][k], race.RunFutan[runner][k], race.RunNinki[runner][k]));

    y += c.lastHeight();
    if (race.RunTime[runner][k] == "0000") return c.take();  // not run: three lines, without a line
    timeLine(c, race, runner, k, box, y);

    y += c.lastHeight();
    c.textOut(box.x0(), y, runWeightPrizeText(race.RunBaTaijyu[runner][k], race.RunSyokin[runner][k]));
    const int position = race.RunChakujun[runner][k];
    c.setPoints(9);
    c.setBold(true);
    c.setColour(finishColour(position));
    c.textOut(box.gridLine + 120, y, finishCardText(position));

    y += c.lastHeight();
    c.setPoints(8);
    c.setBold(false);
    c.setColour(draw::kBlack);
    const bool winOdds = k == 0 && race.HrLoaded != 0;
    c.textOut(box.x0(), y,
              winOdds ? winOddsCardText(race.RunOdds[runner][0])
                      : marginText(race.RunAiteUma[runner][k], race.RunTimeSa[runner][k]));
    c.bottomLine();
    return c.take();
}

}  // namespace vantor::card
