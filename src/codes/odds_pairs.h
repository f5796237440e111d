#pragma once
// Numbered pairs of the predicted-odds files: bracket pairs (枠連) and
// horse pairs (馬連), each written as two numbers right-aligned in two
// characters joined by "-" (" 1- 2", "17-18").

#include <optional>

#include "text/sjis.h"

namespace vantor {

// The number 1 to 36 of a bracket pair text (a <= b, both 1 to 8), numbered
// by a, then b: " 1- 1" is 1, " 8- 8" is 36. Any other text gives 0.
int WakurenIndex(SjisView text);

// The horse pair number k (1 to 153; pairs a < b, both 1 to 18, numbered by
// a, then b) as text: 1 is " 1- 2", 153 is "17-18". Other numbers give
// nullopt: the caller keeps whatever it held.
std::optional<SjisString> UmarenPairText(int k);

}  // namespace vantor
