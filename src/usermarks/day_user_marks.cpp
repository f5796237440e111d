#include "usermarks/day_user_marks.h"

namespace vantor {

std::string_view userMarksRaceKey(const TRaceRec& race) { return race.RaceKey.view().bytes(); }

std::string_view userMarksHorseKey(const TRaceRec& race, int runner) {
    return race.KettoNum[static_cast<std::size_t>(runner)].view().bytes();
}

UserMark runnerUserMark(const TRaceRec& race, int runner, const RaceUserMarks& marks) {
    const int umaban = lenientInt(race.Umaban[static_cast<std::size_t>(runner)]);
    return umaban >= 1 && umaban <= kMaxUmaban ? marks[static_cast<std::size_t>(umaban)] : UserMark::none;
}

void showRaceUserMarks(RaceDay& day, int race, const UserMarksFile& file, int set) {
    if (race < 0 || race >= kMaxRaces) return;
    TRaceRec& rec = day.RaceTbl[static_cast<std::size_t>(race)];
    const RaceUserMarks marks = file.marksOfRace(userMarksRaceKey(rec), set);
    for (int j = 0; j < runnerSlotsOf(rec.TorokuTosu); ++j) {
        const auto s = static_cast<std::size_t>(j);
        rec.UserMark[s] = userMarkGlyph(runnerUserMark(rec, j, marks));
        rec.HorseNoted[s] = !file.horseNote(userMarksHorseKey(rec, j)).empty();
    }
}

void showUserMarks(RaceDay& day, const UserMarksFile& file, int set) {
    for (int r = 0; r < kMaxRaces; ++r)
        if (day.RaceTbl[static_cast<std::size_t>(r)].RacePresent == 1) showRaceUserMarks(day, r, file, set);
}

}  // namespace vantor
