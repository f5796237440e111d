#pragma once
// Marks of one set on the hand-made rides: the dead heat's two horses ◎,
// the scratched and the excluded horse ○, the pulled-up one ▲, the ride of
// the day before the twelve months △, the card entry ×, the dirt race's
// 3rd 注, a horse number no race holds ☆, and a mark of another set.

#include <gtest/gtest.h>

#include "hand_made_records.h"
#include "text/formatted.h"
#include "usermarks/user_marks_file.h"

namespace vantor::test {

inline constexpr int kMarkedSet = 3;

// The marks file's key of a hand-made race.
inline std::string handRaceKey(const RaceId& race) {
    return formatted("%08d%s%02d%02d%02d", race.date, race.course, race.meeting, race.day, race.race);
}

inline void mark(UserMarksFile& file, const RaceId& race, int umaban, UserMark mark, int set = kMarkedSet) {
    const auto failed = file.setMark(handRaceKey(race), umaban, set, mark);
    ASSERT_FALSE(failed) << *failed;
}

inline void markHandRides(UserMarksFile& file) {
    const auto& rides = handRides();
    mark(file, rides[0].race, 1, UserMark::honmei);
    mark(file, rides[1].race, 2, UserMark::honmei);
    mark(file, rides[2].race, 3, UserMark::taikou);
    mark(file, rides[3].race, 4, UserMark::taikou);
    mark(file, rides[4].race, 5, UserMark::tanana);
    mark(file, rides[5].race, 6, UserMark::chui);
    mark(file, rides[7].race, 1, UserMark::renka);
    mark(file, {.date = 20240601, .course = "05", .race = 1}, 1, UserMark::keshi);
    mark(file, rides[0].race, 9, UserMark::hoshi);
    mark(file, rides[8].race, 2, UserMark::honmei, kMarkedSet + 1);
}

// The program folder's marks file, opened to write as the window holds it.
inline UserMarksFile openHandMarks(const ExportStore& store) {
    auto opened = UserMarksFile::open(userMarksPath(store.appDir()));
    if (auto* error = std::get_if<std::string>(&opened)) ADD_FAILURE() << *error;
    return std::move(std::get<UserMarksFile>(opened));
}

}  // namespace vantor::test
