#include "print/printed_marks.h"

#include <algorithm>

#include "text/encoding.h"
#include "text/sjis_literal.h"
#include "usermarks/day_user_marks.h"

namespace vantor::print {
namespace {

// The note's lines on one line of the page, blank lines left out.
SjisString oneLine(const std::string& noteUtf8) {
    static const SjisString gap = sjis("　");
    SjisString line;
    std::size_t start = 0;
    while (start <= noteUtf8.size()) {
        const std::size_t end = std::min(noteUtf8.find('\n', start), noteUtf8.size());
        const SjisString converted = utf8ToCp932(noteUtf8.substr(start, end - start));
        const SjisView part = trimBlanks(converted);
        if (!part.empty()) line += (line.empty() ? SjisString() : gap) + SjisString(part);
        start = end + 1;
    }
    return line;
}

}  // namespace

PrintedMarks printedMarks(const RaceDay& day, int races, const UserMarksFile& file, int set) {
    PrintedMarks printed(static_cast<std::size_t>(std::clamp(races, 0, kMaxRaces)));
    for (std::size_t r = 0; r < printed.size(); ++r) {
        const TRaceRec& race = day.RaceTbl[r];
        const RaceUserMarks marks = file.marksOfRace(userMarksRaceKey(race), set);
        for (int j = 0; j < runnerSlotsOf(race.TorokuTosu); ++j)
            printed[r].marks[static_cast<std::size_t>(j)] = SjisString(userMarkGlyph(runnerUserMark(race, j, marks)));
        printed[r].note = oneLine(file.raceNote(userMarksRaceKey(race)));
    }
    return printed;
}

}  // namespace vantor::print
