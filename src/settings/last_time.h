#pragma once
// "JvDataGet"/"LastTime": the time stamp of the newest file the last
// completed acquisition read, "yyyy/mm/dd hh:nn:ss", where the next one
// starts. Without it an acquisition starts with set-up data.

#include "settings/ini_gt.h"
#include "text/sjis.h"

namespace vantor {

// True for "yyyy/mm/dd hh:nn:ss" naming a real day and time.
bool isValidLastTime(SjisView text);

// The stored value; empty when it is absent, empty, or not a real time
// (a damaged file's "2026/02/30 …" or stray bytes count as absent).
SjisString readLastTime(const TIniGT& ini);

bool storeLastTime(TIniGT& ini, SjisView text);

}  // namespace vantor
