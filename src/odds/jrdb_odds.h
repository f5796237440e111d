#pragma once
// JRDB base odds ("Oz" + yymmdd + ".txt") to predicted-odds lines. The odds
// texts are copied as they are, each behind the blanks that widen it to
// its ".yoz" field; fields missing from a short line become blanks.

#include "text/sjis.h"

namespace vantor {

// The ".yoz" line (without CR LF) of one JRDB line. date is the archive's
// date, yymmdd.
SjisString jrdbYozLine(SjisView line, SjisView date);

}  // namespace vantor
