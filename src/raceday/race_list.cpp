#include "raceday/race_list.h"

#include <cstdio>

#include "codes/course_names.h"
#include "codes/racing_format.h"
#include "text/encoding.h"

namespace vantor {

SjisString raceListItem(const TRaceRec& race) {
    static const SjisString kMeeting = utf8ToCp932("回");
    static const SjisString kDay = utf8ToCp932("日");
    const SjisView key = race.RaceKey;
    SjisString item = CourseName(field(key, 9, 2), 2).value_or(SjisString());
    item += ZeroBlank(field(key, 11, 2));
    item += kMeeting;
    item += ZeroBlank(field(key, 13, 2));
    item += kDay;
    char number[16];
    const int size = std::snprintf(number, sizeof number, "%2dR", lenientInt(field(key, 15, 2)));
    item.append(number, static_cast<std::size_t>(size));
    return item;
}

}  // namespace vantor
