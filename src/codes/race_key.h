#pragma once
// The 16 characters that name a race in RA, SE and HR records and in the
// store: year (4), month and day (4), racecourse code (2), meeting (2), day
// of the meeting (2) and race number (2). A key is taken exactly as it
// came, blank or partly blank ones included; its parts are cut here only,
// and a short key gives short (or empty) parts.
//
// Like a string view it refers to the bytes it was made from (a record, a
// table's key field), which must outlive it and its parts.

#include "text/sjis.h"

namespace vantor {

class RaceKey {
public:
    static constexpr std::size_t kLength = 16;

    constexpr RaceKey() = default;
    // The first 16 bytes of text.
    constexpr explicit RaceKey(SjisView text) : text_(text.substr(0, kLength)) {}

    constexpr SjisView text() const { return text_; }
    constexpr SjisView date() const { return part(1, 8); }  // yyyymmdd
    constexpr SjisView year() const { return part(1, 4); }
    constexpr SjisView month() const { return part(5, 2); }
    constexpr SjisView day() const { return part(7, 2); }
    constexpr SjisView course() const { return part(9, 2); }
    constexpr SjisView meeting() const { return part(11, 2); }
    constexpr SjisView meetingDay() const { return part(13, 2); }
    constexpr SjisView raceNumber() const { return part(15, 2); }
    // Date and racecourse: the race day at one course.
    constexpr SjisView dateAndCourse() const { return part(1, 10); }
    // The last digit of the meeting and of its day, as the short forms show them.
    constexpr SjisView meetingDigit() const { return part(12, 1); }
    constexpr SjisView meetingDayDigit() const { return part(14, 1); }

    friend constexpr bool operator==(const RaceKey& a, const RaceKey& b) { return a.text() == b.text(); }

private:
    constexpr SjisView part(std::size_t pos, std::size_t len) const { return field(text_, pos, len); }

    SjisView text_;
};

}  // namespace vantor
