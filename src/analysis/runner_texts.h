#pragma once
// Texts of a runner's race and result that the day-wide lists share: the
// search list, the horse search and the trainer grid.

#include "raceday/race_day.h"

namespace vantor {

// The racecourse of a race key, two full-width characters (4 bytes).
SjisString raceCourseShort(SjisView raceKey);
// The race number of a race key as "%2dR".
SjisString raceNumberText(SjisView raceKey);
// Racecourse and race number, "東京11R".
inline SjisString raceLabel(SjisView raceKey) { return raceCourseShort(raceKey) + raceNumberText(raceKey); }

// "%2d着", or four blanks below 1.
SjisString finishText(int position);
// "%2d人", or four blanks below 1.
SjisString popularityText(int popularity);
// "%6.1f", or six blanks at 0 and below.
SjisString winOddsText(double odds);
// A "YYYYMMDD" date as "YYYY.MM.DD".
SjisString dottedDate(SjisView date);

}  // namespace vantor
