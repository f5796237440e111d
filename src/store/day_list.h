#pragma once
// The race days of the store: one per day race file in the Data folder.

#include <string>
#include <vector>

#include "store/store_paths.h"

namespace vantor {

// Day names ("yyyy年mm月dd日", UTF-8), newest first: the first eleven
// characters of every "*.jvRA" file name, walked from the last name to the
// first in byte order.
std::vector<std::string> listRaceDays(const StorePaths& paths);

}  // namespace vantor
