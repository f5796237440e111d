// The race card's prize column: earned and total prize money from the
// horse master, placings per surface, and the predicted odds.

#include "output/card_columns.h"
#include "text/encoding.h"
#include "text/formatted.h"

namespace vantor::card {
namespace {

// The first four placings (1st to 4th) of a surface: " 3- 1- 0- 2".
SjisString placingsText(const std::array<i32, kFinishClasses>& counts) {
    return formatted("%2d-%2d-%2d-%2d", counts[0], counts[1], counts[2], counts[3]);
}

}  // namespace

draw::Ops prizeCell(const TRaceRec& race, SjisView horseRecord, int runner, const CellBox& box) {
    static const SjisString thousandYen = utf8ToCp932("千円"), times = utf8ToCp932("倍"), rank = utf8ToCp932("人"),
                            blank = utf8ToCp932("　");
    draw::CellCanvas c = cardCanvas(box);
    c.fill(draw::kWhite);
    c.setPoints(8);
    if (!horseRecord.empty() && horseRecord.front() != ' ') {
        const i32 flat = race.HeichiSyutoku[runner], jump = race.SyogaiSyutoku[runner];
        // A jump race counts the jump earnings only.
        const i32 earned = race.TrackCd.view().starts_with("5") ? jump : flat + jump;
        const i32 total = race.HonSyokinSE[runner] + race.FukaSyokinSE[runner] + flat + jump;
        int y = box.y0();
        for (const SjisString& line : {formatted("%8d", earned) + thousandYen, formatted("%8d", total) + thousandYen,
                                       placingsText(race.ShibaChaku[runner]), placingsText(race.DirtChaku[runner]),
                                       placingsText(race.SyogaiChaku[runner])}) {
            c.textOut(box.x0(), y, line);
            y += c.lastHeight();
        }
    }
    if (race.YozLoaded != 0)
        c.textOut(
            box.x0(), 57,
            formatted("%5.1f", race.YozOdds[runner]) + times + blank + formatted("%2d", race.YozRank[runner]) + rank);
    c.bottomLine();
    return c.take();
}

}  // namespace vantor::card
