#include "painting/check_grid_layout.h"

#include <string>

#include "analysis/race_card.h"
#include "analysis/runner_texts.h"
#include "codes/horse_codes.h"
#include "codes/racing_format.h"
#include "codes/racing_texts.h"
#include "painting/bracket_colours.h"
#include "text/formatted.h"
#include "text/sjis_literal.h"

namespace vantor::views {
namespace {

draw::Ops headerCell(int col, SjisView cellText, const card::CellBox& box, const ViewColours& colours) {
    static const SjisString frame = sjis("枠"), horse = sjis("馬"), number = sjis("番"), marks = sjis("格言該当"),
                            weeksBefore = sjis("週前"), weekLine = sjis("間隔　着順");
    draw::CellCanvas c = card::cardCanvas(box);
    c.fill(colours.buttonFace);
    const int x = box.x0(), y = box.y0();
    const auto twoLines = [&](SjisView top, SjisView bottom) {
        c.textOut(x, y, top);
        c.textOut(x, y + c.lastHeight(), bottom);
    };
    if (col == kCheckBracketColumn)
        twoLines(frame, number);
    else if (col == kCheckNumberColumn)
        twoLines(horse, number);
    else if (col == kCheckMarksColumn)
        c.textOut(x, y, marks);
    else if (col >= kCheckFirstWeekColumn)
        twoLines(formatted("%d", col - kCheckFirstWeekColumn + 1) + weeksBefore, weekLine);
    else
        c.textOut(x, y, cellText);
    c.bottomLine();
    return c.take();
}

void weekSlot(draw::CellCanvas& c, const TRaceMarkRec& marks, std::size_t j, std::size_t w, const card::CellBox& box) {
    static const SjisString day = sjis("日"), blank = sjis("　");
    const SjisView date = marks.SyuDate[j][w];
    const int interval = marks.SyuKankaku[j][w];
    c.setPoints(8);
    c.textOut(box.x0(), box.y0(), trimBlanks(date).empty() ? SjisString() : dottedDate(date));
    const int y = box.y0() + c.lastHeight();
    c.setColour(interval >= kRestDays ? draw::kRed : draw::kBlack);
    const int width = c.textOut(box.x0(), y, interval < 1 ? SjisString(4, ' ') : formatted("%2d", interval) + day);
    c.setColour(draw::kBlack);
    c.textOut(box.x0() + width, y, blank + finishListText(marks.SyuChakujun[j][w]));
}

draw::Ops runnerCell(const RaceDay& day, int race, int col, std::size_t j, const card::CellBox& box,
                     const ViewColours& colours) {
    const TRaceRec& rec = day.RaceTbl[static_cast<std::size_t>(race)];
    const TRaceMarkRec& marks = day.MarkTbl[static_cast<std::size_t>(race)];
    draw::CellCanvas c = card::cardCanvas(box);
    const int x = box.x0();
    switch (col) {
        case kCheckBracketColumn: {
            const int bracket = lenientInt(rec.Wakuban[j]);
            c.fill(draw::bracketColour(bracket).value_or(colours.buttonFace));
            c.setPoints(10);
            c.setBold(true);
            c.setColour(draw::bracketDigitColour(bracket));
            c.textOut(box.gridLine + 5, box.gridLine + 3, formatted("%1d", bracket));
            break;
        }
        case kCheckNumberColumn:
            c.fill(colours.infoBackground);
            c.setPoints(10);
            c.setBold(true);
            c.textOut(x, box.gridLine + 3, formatted("%2d", lenientInt(rec.Umaban[j])));
            break;
        case kCheckUserMarkColumn:
            c.fill(draw::kWhite);
            c.setPoints(10);
            c.setBold(true);
            c.setColour(draw::kRed);
            c.textOut(x, box.gridLine + 3, rec.UserMark[j]);
            break;
        case kCheckMarksColumn:
            c.fill(kLightCyan);
            c.setPoints(8);
            c.setColour(draw::kRed);
            c.textOut(x, box.y0(), rec.RinsenSign[j]);
            c.textOut(x, box.y0() + c.lastHeight(), marks.Kakugen2[j]);
            break;
        case kCheckHorseColumn: {
            c.fill(draw::kWhite);
            c.setPoints(10);
            c.setBold(true);
            c.textOut(x, box.gridLine - 1, rec.Bamei[j]);
            const int y = box.gridLine - 1 + c.lastHeight();
            c.setPoints(8);
            c.setBold(false);
            c.setColour(draw::kBlue);
            c.textOut(x, y, card::sexAgeText(rec, static_cast<int>(j)));
            c.setColour(draw::kBlack);
            c.textOut(box.gridLine + 65, y, card::carriedWeightGridText(rec.Futan[j]));
            break;
        }
        case kCheckJockeyColumn:
        case kCheckTrainerColumn:
            c.fill(draw::kWhite);
            c.setPoints(8);
            c.textOut(x, box.gridLine + 7,
                      col == kCheckJockeyColumn ? rec.KisyuName[j].view() : rec.ChokName[j].view());
            break;
        default:
            c.fill(draw::kWhite);
            if (col >= kCheckFirstWeekColumn && col < kCheckGridCols)
                weekSlot(c, marks, j, static_cast<std::size_t>(col - kCheckFirstWeekColumn + 1), box);
            break;
    }
    c.bottomLine();
    return c.take();
}

}  // namespace

draw::Ops checkGridCell(const RaceDay& day, int race, int col, int row, SjisView numberText, SjisView cellText,
                        const card::CellBox& box, const ViewColours& colours) {
    const int horse = row == 0 ? 0 : lenientInt(numberText);
    if (horse < 1 || horse > kMaxRunners || race < 0 || race >= kMaxRaces)
        return headerCell(col, cellText, box, colours);
    return runnerCell(day, race, col, static_cast<std::size_t>(horse - 1), box, colours);
}

}  // namespace vantor::views
