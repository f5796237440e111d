#pragma once
// Text lists kept in byte order, as the work lists of a race day are.

#include <algorithm>
#include <vector>

#include "text/sjis.h"

namespace vantor {

// Adds value after any equal entries.
inline void insertSorted(std::vector<SjisString>& list, SjisView value) {
    list.insert(std::upper_bound(list.begin(), list.end(), value), SjisString(value));
}

// Adds value unless an equal entry is already there.
inline void insertSortedUnique(std::vector<SjisString>& list, SjisView value) {
    const auto at = std::lower_bound(list.begin(), list.end(), value);
    if (at == list.end() || *at != value) list.insert(at, SjisString(value));
}

}  // namespace vantor
