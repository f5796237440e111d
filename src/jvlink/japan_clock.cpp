#include "jvlink/japan_clock.h"

#include <cstdlib>

#include "codes/calendar.h"
#include "text/formatted.h"

namespace vantor {
namespace {

std::chrono::sys_seconds systemNow() {
    return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
}

}  // namespace

JapanClockSource systemJapanClock() { return systemNow; }

std::optional<JapanClockSource> replayJapanClock(std::string_view start, double speed) {
    const std::optional<std::chrono::sys_seconds> moment = japanMoment(start);
    if (!moment || !(speed > 0)) return std::nullopt;
    // Measured on the steady clock, so that setting the system clock moves no replay.
    return JapanClockSource([from = *moment, startedAt = std::chrono::steady_clock::now(), speed] {
        const std::chrono::duration<double> real = std::chrono::steady_clock::now() - startedAt;
        return from + std::chrono::seconds(static_cast<long long>(real.count() * speed));
    });
}

std::optional<JapanClockSource> replayJapanDay(SjisView day, int secondsOfDay, double speed) {
    if (day.size() != 8 || secondsOfDay < 0 || secondsOfDay >= 24 * 60 * 60) return std::nullopt;
    const int minutes = secondsOfDay / 60;
    return replayJapanClock(
        std::string(day.bytes()) + formattedUtf8("%02d%02d%02d", minutes / 60, minutes % 60, secondsOfDay % 60), speed);
}

std::variant<JapanClockSource, std::string> environmentJapanClock() {
    const char* start = std::getenv("VANTOR_JVLINK_CLOCK");
    if (!start || !*start) return systemJapanClock();
    if (auto clock = replayJapanClock(start)) return std::move(*clock);
    return std::string("VANTOR_JVLINK_CLOCK \"") + start + "\" は yyyymmddhhnnss の日本時間ではありません。";
}

}  // namespace vantor
