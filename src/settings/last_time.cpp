#include "settings/last_time.h"

#include <chrono>

#include "settings/setting.h"

namespace vantor {
namespace {

// The number the width digits at pos make, or -1 when any of them is not a digit.
int digitsAt(SjisView text, std::size_t pos, std::size_t width) {
    int value = 0;
    for (const char c : text.substr(pos, width)) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The "from" time of the next acquisition; nothing before the first one,
// and nothing for a time out of form.
constexpr Setting<SjisView> kLastTime{"JvDataGet", "LastTime", "", [](SjisView stored, SjisView fallback) {
                                          return isValidLastTime(stored) ? stored : fallback;
                                      }};

}  // namespace

bool isValidLastTime(SjisView text) {
    static constexpr SjisView kShape = "0000/00/00 00:00:00";
    if (text.size() != kShape.size()) return false;
    for (std::size_t i = 0; i < kShape.size(); ++i)
        if (kShape[i] != '0' && text[i] != kShape[i]) return false;
    const int year = digitsAt(text, 0, 4), month = digitsAt(text, 5, 2), day = digitsAt(text, 8, 2);
    const int hour = digitsAt(text, 11, 2), minute = digitsAt(text, 14, 2), second = digitsAt(text, 17, 2);
    if (year < 0 || month < 0 || day < 0 || hour < 0 || minute < 0 || second < 0) return false;
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    return date.ok() && hour <= 23 && minute <= 59 && second <= 59;
}

SjisString readLastTime(const TIniGT& ini) { return readSetting(ini, kLastTime); }

bool storeLastTime(TIniGT& ini, SjisView text) { return writeSetting(ini, kLastTime, text); }

}  // namespace vantor
