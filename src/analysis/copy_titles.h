#pragma once
// Title lines of the copy buttons' clipboard texts.

#include "text/sjis.h"

namespace vantor {

// Card check: the race header's date line, the race number as "%2dR",
// then "【臨戦態勢ﾁｪｯｸ】".
SjisString cardCheckCopyTitle(SjisView dateLine, SjisView raceKey);

// Search list: the date part of the date line (its first 14 bytes), then
// the criterion in "【" "】".
SjisString searchListCopyTitle(SjisView dateLine, SjisView criterion);

// An odds table: the date line, the table's name and the time of its odds,
// a blank between each: "... 馬連 ｵｯｽﾞ 10:30 現在".
SjisString oddsCopyTitle(SjisView dateLine, SjisView tableName, SjisView oddsTime);

}  // namespace vantor
