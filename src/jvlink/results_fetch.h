#pragma once
// The results fetch: opens JV-Link's real-time service ("0B12") for a race
// day, files every race, runner and payout record it delivers, and closes.
// The caller then re-reads the day.

#include <functional>
#include <optional>
#include <string>

#include "store/store_paths.h"
#include "text/sjis.h"

namespace vantor {

class JVLink;

struct ResultsFetchUi {
    std::function<void()> pump;  // process pending events
    std::function<void()> beep;
};

struct ResultsFetchOutcome {
    bool ran = false;          // false when the day key was not a date
    int openResult = 0;        // JVRTOpen's result
    int records = 0;           // records filed
    int rejected = 0;          // records refused by the filing
    std::optional<std::string> storeError;  // a store file that could not be written (UTF-8)
};

// dayKey: "yyyymmdd" of the day's first race. The cancel flag of an
// earlier acquisition is cleared first, so a cancelled acquisition never
// silences a later fetch. JVClose is called twice, each followed by a beep.
ResultsFetchOutcome fetchResults(JVLink& link, const StorePaths& paths, SjisView dayKey, const ResultsFetchUi& ui);

}  // namespace vantor
