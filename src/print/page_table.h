#pragma once
// The runner table both printed documents share: the frame with its heading
// band and column lines, the column headings and legend, a runner's texts
// and its previous-run columns. Row r (1 ..) of the table has its top at
// y = 280 + 126·r; a row's texts are placed from its offset v = 126·r.

#include "painting/page_canvas.h"
#include "painting/text_measure.h"
#include "raceday/race_day.h"

namespace vantor::print {

inline constexpr int kTableLeft = 100;
inline constexpr int kTableRight = 1990;
inline constexpr int kTableTop = 280;
inline constexpr int kRowHeight = 126;
inline constexpr int kPreviousRuns = 5;

constexpr int rowTop(int row) { return kTableTop + kRowHeight * row; }
// The bottom of a table of n rows.
constexpr int tableBottom(int rows) { return rowTop(rows + 1); }

// The heading band, the outer frame and the column lines for n rows.
void drawTableFrame(draw::PageCanvas& c, int rows);
// Column headings and legend lines. With currentRace the first run column
// is headed "当該ﾚｰｽ" and the others "前走-1" to "前走-4".
void drawColumnHeadings(draw::PageCanvas& c, bool currentRace);

// Horse, people and prize texts of runner slot t at row offset v, with a
// jockey change of the day's live state in the jockey's place. The prize
// and placing lines need the runner's horse record unless prizesAlways. A
// user mark (a glyph, or empty for none) stands just left of the horse's
// name, which moves right by its width.
void drawRunnerTexts(draw::PageCanvas& c, const RaceDay& day, int race, int t, int v, bool prizesAlways,
                     SjisView userMark);
// The five previous-run columns of runner slot t: column k shows run
// firstRun + k - 1; with oddsInFirstColumn the first column's sixth line
// shows final win odds. A line too long for its column is set a point
// smaller, as measured by `measure`.
void drawPreviousRuns(draw::PageCanvas& c, const draw::TextMeasure& measure, const TRaceRec& race, int t, int v,
                      int firstRun, bool oddsInFirstColumn);

// A thin rule (pen 1) or a heavy one (pen 12) across the table at y from x.
void drawRule(draw::PageCanvas& c, int x, int y, int pen);

}  // namespace vantor::print
