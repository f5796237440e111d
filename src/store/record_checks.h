#pragma once
// Checks that a delivered record may be filed: its length is that of its
// kind, and every field that becomes part of a file or folder name has the
// form its layout gives it. A record failing them never reaches a path.

#include "text/sjis.h"

namespace vantor {

// The whole record (with CR LF) has the length of its kind; kinds the
// store does not keep pass.
bool hasLengthOfItsKind(SjisView record);

// No CR or LF before the record's own CR LF: a line break inside would
// split the record's line in the store file.
bool isOneLine(SjisView record);

// Year and month-day are digits and the racecourse code is two characters
// of 0-9 and A-Z, so that neither can form anything but a plain name.
bool hasValidRaceKeyForPaths(SjisView record);

// Ten digits.
bool isValidHorseId(SjisView id);

}  // namespace vantor
