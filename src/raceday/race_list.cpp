#include "raceday/race_list.h"

#include "codes/course_names.h"
#include "codes/race_key.h"
#include "codes/racing_format.h"
#include "codes/racing_texts.h"
#include "text/encoding.h"

namespace vantor {

SjisString raceListItem(const TRaceRec& race) {
    static const SjisString kMeeting = utf8ToCp932("回");
    static const SjisString kDay = utf8ToCp932("日");
    const RaceKey key(race.RaceKey);
    SjisString item = CourseName(key.course(), 2).value_or(SjisString());
    item += ZeroBlank(key.meeting());
    item += kMeeting;
    item += ZeroBlank(key.meetingDay());
    item += kDay;
    item += raceNumberText(race.RaceKey);
    return item;
}

}  // namespace vantor
