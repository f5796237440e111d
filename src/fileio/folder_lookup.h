#pragma once
// Folder names matched without regard to ASCII letter case, so that a store
// copied from Windows works whether it says "DATA", "Data" or "data".

#include <filesystem>
#include <string_view>

namespace vantor {

// base/name when that folder exists; else an existing folder in base whose
// name differs only in ASCII letter case (the first in byte order when there
// are several); else base/name as spelt, for the caller to create.
std::filesystem::path resolveFolder(const std::filesystem::path& base, std::string_view name);

}  // namespace vantor
