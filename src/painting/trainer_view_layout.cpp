#include "painting/trainer_view_layout.h"

#include "codes/racing_texts.h"
#include "painting/bracket_colours.h"
#include "painting/race_card_cell.h"
#include "text/formatted.h"
#include "text/sjis_literal.h"

namespace vantor::views {
namespace {

// Captions of the two narrow columns, 11 points, the second 10 pixels below the first.
draw::Ops headerCell(int col, const card::CellBox& box) {
    static const SjisString race = sjis("ﾚｰｽ"), horse = sjis("馬"), frame = sjis("枠");
    draw::CellCanvas c = card::cardCanvas(box);
    c.fill(card::kSilver);
    c.setPoints(11);
    c.textOut(box.x0(), box.y0(), col == 0 ? race : horse);
    if (col == 1) c.textOut(box.x0(), box.y0() + c.lastHeight() + 10, frame);
    c.bottomLine();
    return c.take();
}

// Column 0: the racecourse and, 10 pixels below, the race number.
draw::Ops raceCell(const TRaceRec& race, const card::CellBox& box, const ViewColours& colours) {
    draw::CellCanvas c = card::cardCanvas(box);
    c.fill(colours.infoBackground);
    c.setPoints(9);
    c.setBold(true);
    c.textOut(box.x0(), box.y0(), raceCourseShort(race.RaceKey));
    c.textOut(box.x0(), box.y0() + c.lastHeight() + 10, raceNumberText(race.RaceKey));
    c.bottomLine();
    return c.take();
}

// Column 1: horse number, bracket number and the group letter of the order
// key, each 10 pixels below the one before, on the bracket colour.
draw::Ops numberCell(const TRaceRec& race, const TRaceMarkRec& marks, std::size_t j, const card::CellBox& box,
                     const ViewColours& colours) {
    const int bracket = lenientInt(race.Wakuban[j]);
    draw::CellCanvas c = card::cardCanvas(box);
    c.fill(draw::bracketColour(bracket).value_or(colours.buttonFace));
    c.setPoints(11);
    c.setBold(true);
    int y = box.y0();
    c.textOut(box.x0(), y, formatted("%2d", lenientInt(race.Umaban[j])));
    y += c.lastHeight() + 10;
    c.textOut(box.gridLine + 5, y, formatted("%1d", bracket));
    y += c.lastHeight() + 10;
    const SjisView group = marks.SortKey[j].view().substr(0, 1);
    c.textOut(box.gridLine + 5, y, group == "z" ? " " : group);
    c.bottomLine();
    return c.take();
}

// The race card's columns end in a bottom line except where a run is
// missing; here every cell gets one.
draw::Ops withBottomLine(draw::Ops ops, const card::CellBox& box) {
    draw::CellCanvas line = card::cardCanvas(box);
    line.bottomLine();
    const draw::Op& bottom = line.ops().front();
    if (ops.empty() || ops.back() != bottom) ops.push_back(bottom);
    return ops;
}

}  // namespace

draw::Ops trainerItem(SjisView text, int width, int height, const draw::Font& font) {
    draw::CellCanvas c(width, height, font, draw::kBlack);
    c.fill(draw::kWhite);
    c.textOut(2, 2, text);
    return c.take();
}

draw::Ops trainerGridCell(const RaceDay& day, int col, int row, const std::optional<TrainerRunner>& runner,
                          const card::CellBox& box, const ViewColours& colours) {
    if (row == 0) {
        if (col < card::kUserMarkColumn) return headerCell(col, box);
        return withBottomLine(card::raceCardColumn(day, 0, card::kHeaderRunner, col, box, false), box);
    }
    if (!runner || runner->race < 0 || runner->race >= kMaxRaces || runner->runner < 0 || runner->runner >= kMaxRunners)
        return {};
    const auto r = static_cast<std::size_t>(runner->race);
    const auto j = static_cast<std::size_t>(runner->runner);
    // The race card's bracket column shows the runner's race here.
    if (col == card::kBracketColumn) return raceCell(day.RaceTbl[r], box, colours);
    if (col == card::kNumberColumn) return numberCell(day.RaceTbl[r], day.MarkTbl[r], j, box, colours);
    return withBottomLine(card::raceCardColumn(day, runner->race, runner->runner, col, box, false), box);
}

}  // namespace vantor::views
