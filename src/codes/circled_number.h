#pragma once
// Horse numbers as circled digits.

#include "text/sjis.h"

namespace vantor {

// 1 to 18 give "①" to "⑱"; any other number gives "－".
SjisString CircledNumber(long long n);

// The same for a number read leniently from text.
SjisString CircledNumberText(SjisView text);

}  // namespace vantor
