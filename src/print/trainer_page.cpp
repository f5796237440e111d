#include "print/trainer_page.h"

#include "codes/circled_number.h"
#include "codes/race_key.h"
#include "codes/racing_format.h"
#include "codes/racing_texts.h"
#include "painting/fonts.h"
#include "painting/page_canvas.h"
#include "print/page_table.h"
#include "print/page_texts.h"

namespace vantor::print {

draw::Page trainerPage(const RaceDay& day, SjisView trainerItem, const draw::TextMeasure& measure) {
    const SjisView name = trainerItemName(trainerItem);
    const std::vector<TrainerRunner> rows = trainerRunners(day, name);
    draw::PageCanvas c;
    c.setFont(kGothicFamily, 14, true, true);
    c.textOut(100, 140, trainerListTitle(day.RaceTbl[0].RaceKey));
    c.setFont(kGothicFamily, 14, true);
    c.textOut(100, 200, cutAtCharBoundary(name, 8));
    c.setBold(false);
    drawTableFrame(c, static_cast<int>(rows.size()));

    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto [s, t] = rows[i];
        const TRaceRec& race = day.RaceTbl[static_cast<std::size_t>(s)];
        const int row = static_cast<int>(i) + 1;
        const int v = kRowHeight * row;
        c.setColour(draw::kBlack);
        c.setPoints(7);
        c.textOut(102, v + 300, raceCourseShort(race.RaceKey));
        c.textOut(105, v + 350, ZeroBlank(RaceKey(race.RaceKey).raceNumber()) + "R");
        c.setPoints(9);
        c.textOut(165, v + 330, race.Wakuban[t]);
        drawRule(c, kTableLeft, rowTop(row), 1);
        c.textOut(160, v + 290, CircledNumberText(race.Umaban[t]));
        const SjisView key = day.MarkTbl[static_cast<std::size_t>(s)].SortKey[t];
        if (!key.empty() && key.front() != 'z') c.textOut(165, v + 360, key.substr(0, 1));
        drawRunnerTexts(c, day, s, t, v, true, {});
        // With its payouts in, the race itself fills the first run column.
        const bool paid = race.HrLoaded != 0;
        drawPreviousRuns(c, measure, race, t, v, paid ? 0 : 1, paid);
    }
    const bool lastRowPaid = !rows.empty() && day.RaceTbl[static_cast<std::size_t>(rows.back().race)].HrLoaded != 0;
    drawColumnHeadings(c, lastRowPaid);
    return c.take();
}

}  // namespace vantor::print
