#pragma once
// Horse numbers as circled digits.

#include "text/sjis.h"

namespace vantor {

// 1 to 18 give "①" to "⑱"; any other number gives "－".
ShiftJisString CircledNumber(long long n);

// The same for a number read leniently from text.
ShiftJisString CircledNumberText(ShiftJisView text);

}  // namespace vantor
