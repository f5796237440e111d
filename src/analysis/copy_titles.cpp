#include "analysis/copy_titles.h"

#include "codes/racing_texts.h"
#include "text/encoding.h"

namespace vantor {

SjisString cardCheckCopyTitle(SjisView dateLine, SjisView raceKey) {
    static const SjisString mark = utf8ToCp932("【臨戦態勢ﾁｪｯｸ】");
    return SjisString(dateLine) + raceNumberText(raceKey) + mark;
}

SjisString searchListCopyTitle(SjisView dateLine, SjisView criterion) {
    static const SjisString open = utf8ToCp932("【"), close = utf8ToCp932("】");
    return SjisString(dateLine.substr(0, 14)) + open + SjisString(criterion) + close;
}

SjisString oddsCopyTitle(SjisView dateLine, SjisView tableName, SjisView oddsTime) {
    SjisString title(dateLine);
    title.append(" ").append(tableName).append(" ").append(oddsTime);
    return title;
}

}  // namespace vantor
