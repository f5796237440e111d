#pragma once
// The user's marks and note markers of a race day, put into its race slots
// (UserMark, HorseNoted) so that every view paints them from the day like
// the rest of the card. Day loading resets them; these put them back from
// the marks file.

#include <string_view>

#include "raceday/race_day.h"
#include "usermarks/user_marks_file.h"

namespace vantor {

// Every race slot in use: the marks of `set` and the horses' note markers.
void showUserMarks(RaceDay& day, const UserMarksFile& file, int set);
// Race slot `race` only; nothing for a slot outside the tables.
void showRaceUserMarks(RaceDay& day, int race, const UserMarksFile& file, int set);

// The mark of runner slot `runner` among a race's marks, which are kept by
// horse number: a runner keeps its mark whatever slot a changed card gives it.
UserMark runnerUserMark(const TRaceRec& race, int runner, const RaceUserMarks& marks);

// The race key of a race slot and the horse id of one of its runners, as
// the marks file keys them: the records' ASCII digits, as its UTF-8 text.
std::string_view userMarksRaceKey(const TRaceRec& race);
std::string_view userMarksHorseKey(const TRaceRec& race, int runner);

}  // namespace vantor
