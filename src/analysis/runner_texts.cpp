#include "analysis/runner_texts.h"

#include "codes/course_names.h"
#include "text/encoding.h"
#include "text/formatted.h"

namespace vantor {

SjisString raceCourseShort(SjisView raceKey) {
    return SjisString(field(CourseName(field(raceKey, 9, 2), 2).value_or(SjisString()), 1, 4));
}

SjisString raceNumberText(SjisView raceKey) { return formatted("%2dR", lenientInt(field(raceKey, 15, 2))); }

SjisString finishText(int position) {
    static const SjisString mark = utf8ToCp932("着");
    return position < 1 ? SjisString(4, ' ') : formatted("%2d", position) + mark;
}

SjisString popularityText(int popularity) {
    static const SjisString mark = utf8ToCp932("人");
    return popularity < 1 ? SjisString(4, ' ') : formatted("%2d", popularity) + mark;
}

SjisString winOddsText(double odds) { return odds > 0 ? formatted("%6.1f", odds) : SjisString(6, ' '); }

SjisString dottedDate(SjisView date) {
    return SjisString(field(date, 1, 4)) + "." + SjisString(field(date, 5, 2)) + "." + SjisString(field(date, 7, 2));
}

}  // namespace vantor
