#pragma once
// Horse codes of the runner and horse records to names and marks.

#include "text/sjis.h"

namespace vantor {

// Coat-colour code "01" to "11" to its name; any other code gives "－".
SjisString KeiroName(SjisView code);

// Sex code "1", "2", "3" to "牡", "牝", "ｾﾝ"; any other code gives the empty text.
SjisString SexName(SjisView code);

// Horse-symbol number (read leniently from text) to its mark such as "(抽)";
// numbers without a mark give one full-width blank.
SjisString UmaKigoName(SjisView text);

}  // namespace vantor
