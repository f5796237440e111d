#pragma once
// The clock of the race day's times, which are Japan time whatever the
// machine's time zone: the system clock, or a replay clock that starts at
// a Japan time and runs `speed` times as fast as the system clock from the
// moment it is made, so that a past race day can be played again. The feed
// replacement serves real-time files by it, and a live run decides by the
// same clock what is due.

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <variant>

#include "text/sjis_string.h"

namespace vantor {

using JapanClockSource = std::function<std::chrono::sys_seconds()>;

JapanClockSource systemJapanClock();
// start: the Japan time "yyyymmddhhnnss" the clock shows now; none for a
// text that is no such time or a speed that is not positive.
std::optional<JapanClockSource> replayJapanClock(std::string_view start, double speed = 1);
// A replay of race day "yyyymmdd" from secondsOfDay after its Japan
// midnight (0 to 86,399); none for a day that is no date.
std::optional<JapanClockSource> replayJapanDay(SjisView day, int secondsOfDay, double speed);

// The clock that the environment variable VANTOR_JVLINK_CLOCK starts (at
// its Japan time, running at the system clock's pace), the system clock
// when it is unset or empty, or an error text naming the variable (UTF-8).
std::variant<JapanClockSource, std::string> environmentJapanClock();

}  // namespace vantor
